#pragma once

#include <QColor>
#include <QFont>

enum TFormLook { flKeyboard = 0, flTouchScreen = 1, flNormal = 2 };

// The shared dialog look: the sizes, colours and fonts every dialog of the kit takes.
class TFormSettings {
public:
    TFormSettings();  // in the normal look
    virtual ~TFormSettings() = default;
    TFormSettings(const TFormSettings &) = delete;
    TFormSettings &operator=(const TFormSettings &) = delete;

    // Stores the look and sets the values that follow from it.
    virtual void ApplyLook(TFormLook look);

    TFormLook Look = flNormal;
    QColor ButtonColour;
    QFont ButtonFont;
    QColor ButtonFontColour;  // a font's colour, which QFont does not carry
    int ButtonHeight = 24;
    int ButtonSpacing = 19;
    int ButtonWidth = 64;
    QFont DialogFont;
    QColor DialogFontColour;
    int ButtonPanelHeight = 40;
};

// The one instance, made on first use and kept until the program ends.
TFormSettings &FormSettings();

// A font by family, points and weight.
QFont KitFont(const QString &family, int points, bool bold = false);
// The system's button-face colour.
QColor ButtonFaceColour();
