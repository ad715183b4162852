#pragma once

#include "KitControl.h"

#include <QWidget>

enum TPanelBevel { bvNone, bvLowered, bvRaised };
enum TBorderStyle { bsNone, bsSingle };

// A panel: bevels and border, filled with its colour, its caption on one line placed
// horizontally by Alignment and vertically by VAlignment.
class TVxPanel : public QWidget {
    Q_OBJECT
public:
    explicit TVxPanel(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption) { SetAndRepaint(*this, m_caption, caption); }
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment) { SetAndRepaint(*this, m_alignment, alignment); }
    TVAlignment VAlignment() const { return m_vAlignment; }
    void SetVAlignment(TVAlignment alignment) { SetAndRepaint(*this, m_vAlignment, alignment); }
    QColor Color() const { return m_color; }
    void SetColor(const QColor &colour) { SetAndRepaint(*this, m_color, colour); }
    // Kept for the forms that set it; the panel does not paint with it.
    QColor FontBkGnd() const { return m_fontBkGnd; }
    void SetFontBkGnd(const QColor &colour) { m_fontBkGnd = colour; }
    TPanelBevel BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TPanelBevel bevel) { SetAndRepaint(*this, m_bevelOuter, bevel); }
    TPanelBevel BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TPanelBevel bevel) { SetAndRepaint(*this, m_bevelInner, bevel); }
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width) { SetAndRepaint(*this, m_bevelWidth, width); }
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width) { SetAndRepaint(*this, m_borderWidth, width); }
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style) { SetAndRepaint(*this, m_borderStyle, style); }
    TAlign Align() const;
    virtual void SetAlign(TAlign align);

    // The area inside the border and the bevels.
    QRect InnerRect() const;
    // Where the caption's line goes in the inner area.
    QRect CaptionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    TAlignment m_alignment = taCenter;
    TVAlignment m_vAlignment = vaTop;
    QColor m_color;
    QColor m_fontBkGnd;
    TPanelBevel m_bevelOuter = bvRaised;
    TPanelBevel m_bevelInner = bvNone;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    TBorderStyle m_borderStyle = bsNone;
};
