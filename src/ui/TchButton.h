#pragma once

#include "KitControl.h"

#include <QPointer>
#include <QWidget>

enum TDisplayOption { doText, doImage };

// A large push button for the touch screen. It paints itself, never takes the keyboard
// focus, and clicks on release inside it; pressed, it shows its colours swapped.
// Enter clicks the Default button of its window, Esc the Cancel one, and the letter after
// "&" in the caption clicks it too.
//
// Inside a modal QDialog a click first sets the dialog's result (QDialog::result) to
// ModalResult, also when that is 0, then emits OnClick; a result still non-zero after
// OnClick closes the dialog with it, so a handler can keep the dialog open with setResult(0).
class TTchButton : public QWidget {
    Q_OBJECT
public:
    explicit TTchButton(QWidget *parent = nullptr);
    TTchButton(const QString &caption, QWidget *parent);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption) { SetAndRepaint(*this, m_caption, caption); }
    // The background: the font colour while the button is down.
    QColor Color() const;
    void SetColor(const QColor &colour);
    QColor FontColor() const;
    void SetFontColor(const QColor &colour) { SetAndRepaint(*this, m_fontColor, colour); }
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool parentColor) { SetAndRepaint(*this, m_parentColor, parentColor); }
    bool ParentFont() const { return !testAttribute(Qt::WA_SetFont); }
    void SetParentFont(bool parentFont);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment) { SetAndRepaint(*this, m_alignment, alignment); }
    TAlign Align() const;
    void SetAlign(TAlign align);

    bool Default() const { return m_default; }
    void SetDefault(bool value);  // clears Cancel
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value);   // clears Default
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }

    TDisplayOption DisplayOption() const { return m_displayOption; }
    void SetDisplayOption(TDisplayOption option) { m_displayOption = option; }
    // When true a click is taken even while the last one is still being handled.
    bool DoubleClick() const { return m_doubleClick; }
    void SetDoubleClick(bool value) { m_doubleClick = value; }
    bool Toggle() const { return m_toggle; }
    void SetToggle(bool value) { m_toggle = value; }
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value) { SetAndRepaint(*this, m_transparent, value); }
    bool SemiTransparent() const { return m_semiTransparent; }
    void SetSemiTransparent(bool value) { SetAndRepaint(*this, m_semiTransparent, value); }

    bool Down() const { return m_down; }

    // The click: ignored while one is being handled unless DoubleClick; see the class.
    void Click();
    // The letter after "&" in the caption, or a null character.
    QChar Accelerator() const;

signals:
    void OnClick();
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void Press();
    void SetDown(bool down);
    void Paint();
    void ReportPaintFailure(const QString &reason);
    void WatchWindowKeys();
    bool HandleWindowKey(const QKeyEvent &key);
    QColor UpColor() const;

    QString m_caption;
    QColor m_color;
    QColor m_fontColor = Qt::black;
    bool m_parentColor = false;
    TAlignment m_alignment = taCenter;
    bool m_default = false;
    bool m_cancel = false;
    int m_modalResult = 0;
    TDisplayOption m_displayOption = doText;
    bool m_doubleClick = false;
    bool m_toggle = false;
    bool m_transparent = false;
    bool m_semiTransparent = false;
    bool m_down = false;
    bool m_wasDown = false;
    bool m_pressed = false;
    bool m_inClick = false;
    bool m_paintFailureShown = false;
    QPointer<QWidget> m_keyWindow;
};
