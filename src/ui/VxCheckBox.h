#pragma once

#include <QCheckBox>

// A check box whose caption is bold while ticked, and underlined with the hand cursor
// while the pointer is over it.
class TVxCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TVxCheckBox(QWidget *parent = nullptr);
    TVxCheckBox(const QString &caption, QWidget *parent);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void ShowState();
    void SetUnderline(bool underline);
};
