#pragma once
// A view window: remembers where the user left it, per window, and scales the fonts of its
// controls with the window when the user resizes it.

#include "shell/Form_koru_base.h"


class TFormKoruView : public TFormKoruBase {
    Q_OBJECT
public:
    TFormKoruView(const QString &name, QWidget *parent = nullptr);

    // The size of the screen the designs were made for.
    static constexpr int design_screen_width = 1024;
    static constexpr int design_screen_height = 768;
    // Fonts never shrink below this, however small the window is made; the window is never made
    // smaller than its content at this size.
    static constexpr qreal smallest_point_size = 8.0;

    // The size the window first showed at and the point size of its font then, once recorded:
    // what its fonts scale from.
    QSize reference_size() const { return m_reference_size; }
    qreal reference_point_size() const { return m_reference_point_size; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Keeps `widget` and everything in it at its own font size. Everything else takes its size
    // from the window's font: a control that needs a bold or other face sets only that, never a
    // point size of its own.
    void exclude_from_scaling(QWidget *widget);
    // Greys the value controls of the window's content while the data is stale. Views that show
    // the computer's values call it from SetDataStale.
    void show_values_stale(bool stale);
    // The smallest size at which the content is readable, at the smallest font size; a window
    // with rules of its own for its minimum extends it.
    virtual QSize readable_minimum_size() const { return m_readable_minimum; }

private:
    void restore_geometry();
    void save_geometry() const;
    void record_reference();
    void scale_fonts();
    void apply_point_size(qreal point_size);
    QSize content_minimum_size() const;

    bool m_geometry_restored = false;
    bool m_geometry_from_store = false;
    QSize m_reference_size;
    qreal m_reference_point_size = 0;
    qreal m_applied_point_size = 0;
    QSize m_readable_minimum;
};
