#pragma once

#include "VxPanel.h"

// A caption-less panel that places its children itself, in a row or a column (see
// ArrangeControls). It re-arranges when one of its five properties changes, when it or a
// child is resized, shown or hidden, and when asked.
class TVxControlsPanel : public TVxPanel {
    Q_OBJECT
public:
    explicit TVxControlsPanel(QWidget *parent = nullptr);

    TControlsLayout Layout() const { return m_arrangement.Layout; }
    void SetLayout(TControlsLayout layout) { Rearrange(m_arrangement.Layout, layout); }
    TAlignment HorizAlignment() const { return m_arrangement.HorizAlignment; }
    void SetHorizAlignment(TAlignment alignment) { Rearrange(m_arrangement.HorizAlignment, alignment); }
    int HorizSpacing() const { return m_arrangement.HorizSpacing; }
    void SetHorizSpacing(int spacing) { Rearrange(m_arrangement.HorizSpacing, spacing); }
    TVAlignment VertAlignment() const { return m_arrangement.VertAlignment; }
    void SetVertAlignment(TVAlignment alignment) { Rearrange(m_arrangement.VertAlignment, alignment); }
    int VertSpacing() const { return m_arrangement.VertSpacing; }
    void SetVertSpacing(int spacing) { Rearrange(m_arrangement.VertSpacing, spacing); }

    // Docked at the top or bottom: a row, right-justified, in the middle; docked left or
    // right: a column, centred, at the bottom. Properties set afterwards win.
    void SetAlign(TAlign align) override;

    // Places the visible children that have no dock of their own.
    void ArrangeControls();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    template <class T>
    void Rearrange(T &field, const T &value)
    {
        field = value;
        ArrangeControls();
    }

    TControlsArrangement m_arrangement;
};
