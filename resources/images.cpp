#include "resources/images.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE names a function outside any namespace.
static void register_image_resource()
{
    Q_INIT_RESOURCE(images);
}

void RegisterImages()
{
    static const bool registered = (register_image_resource(), true);
    (void)registered;
}
