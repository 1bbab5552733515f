#include "pages.h"

std::vector<GalleryPage> AllGalleryPages()
{
    return {
        {"sliders", BuildSlidersPage},
    };
}
