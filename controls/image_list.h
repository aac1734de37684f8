#pragma once
// A numbered list of images of one size, shared by the controls that show them.

#include <QImage>

#include <vector>

class CImage_list {
public:
    explicit CImage_list(std::vector<QImage> images) : m_images(std::move(images)) {}

    int count() const { return static_cast<int>(m_images.size()); }
    // A null image for an index outside the list.
    const QImage &image(int index) const;

private:
    std::vector<QImage> m_images;
};

// Lamps: 0 dark, 1 lit, 2 disabled. Lit green (a good state) or red (a fault).
const CImage_list &GreenLampImages();
const CImage_list &RedLampImages();

// Images of the menu entries guarded by the settings password: 0 locked, 1 unlocked.
const CImage_list &PadlockImages();
