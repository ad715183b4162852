#include "FormSettings.h"

#include <QApplication>
#include <QPalette>

QFont KitFont(const QString &family, int points, bool bold)
{
    QFont font(family, points);
    font.setBold(bold);
    return font;
}

QColor ButtonFaceColour()
{
    return QApplication::palette().color(QPalette::Button);
}

TFormSettings::TFormSettings()
{
    ApplyLook(flNormal);
}

void TFormSettings::ApplyLook(TFormLook look)
{
    struct TLookValues {
        int panelHeight;
        const char *family;
        int points;
        bool bold;
    };
    static constexpr TLookValues Looks[] = {
        {45, "Tahoma", 8, false},  // flKeyboard
        {45, "Arial", 10, true},   // flTouchScreen
        {40, "Tahoma", 8, false},  // flNormal
    };
    const TLookValues &values = Looks[look];
    Look = look;
    ButtonPanelHeight = values.panelHeight;
    DialogFont = KitFont(QString::fromLatin1(values.family), values.points, values.bold);
    DialogFontColour = Qt::black;
    ButtonColour = ButtonFaceColour();
    ButtonFont = KitFont(QStringLiteral("Tahoma"), 8);
    ButtonFontColour = Qt::black;
    ButtonWidth = 64;
    ButtonHeight = 24;
}

TFormSettings &FormSettings()
{
    static TFormSettings settings;
    return settings;
}
