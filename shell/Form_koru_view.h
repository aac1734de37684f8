#pragma once
// A view window: remembers where the user left it, per window, and scales the fonts of its
// controls with the window when the user resizes it.

#include "shell/Form_koru_base.h"

#include <QPointer>

#include <vector>

class TFormKoruView : public TFormKoruBase {
    Q_OBJECT
public:
    TFormKoruView(const QString &name, QWidget *parent = nullptr);

    // The size of the screen the designs were made for.
    static constexpr int design_screen_width = 1024;
    static constexpr int design_screen_height = 768;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Keeps `widget` and everything in it at its own font size.
    void exclude_from_scaling(QWidget *widget);
    // Greys the value controls of the window's content while the data is stale. Views that show
    // the computer's values call it from SetDataStale.
    void show_values_stale(bool stale);

private:
    void restore_geometry();
    void save_geometry() const;
    void record_reference();
    void scale_fonts();

    struct SFont_entry {
        QPointer<QWidget> widget;
        qreal point_size;
    };

    bool m_geometry_restored = false;
    bool m_geometry_from_store = false;
    QSize m_reference_size;
    qreal m_applied_ratio = 1.0;
    std::vector<SFont_entry> m_fonts;
    std::vector<QPointer<QWidget>> m_excluded;
};
