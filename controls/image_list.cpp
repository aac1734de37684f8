#include "controls/image_list.h"

#include "resources/images.h"

#include <initializer_list>

namespace {

CImage_list load(std::initializer_list<const char *> paths)
{
    RegisterImages();
    std::vector<QImage> images;
    for (const char *path : paths) {
        images.emplace_back(QString::fromLatin1(path));
    }
    return CImage_list(std::move(images));
}

} // namespace

const QImage &CImage_list::image(int index) const
{
    static const QImage none;
    return index >= 0 && index < count() ? m_images[static_cast<std::size_t>(index)] : none;
}

const CImage_list &GreenLampImages()
{
    static const CImage_list images =
        load({image_path::lamp_off, image_path::lamp_green, image_path::lamp_disabled});
    return images;
}

const CImage_list &RedLampImages()
{
    static const CImage_list images =
        load({image_path::lamp_off, image_path::lamp_red, image_path::lamp_disabled});
    return images;
}

const CImage_list &PadlockImages()
{
    static const CImage_list images =
        load({image_path::padlock_locked, image_path::padlock_unlocked});
    return images;
}
