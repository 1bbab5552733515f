#include "pages.h"

std::vector<GalleryPage> AllGalleryPages()
{
    return {
        {"buttons", BuildButtonsPage},
        {"sliders", BuildSlidersPage},
        {"wheel", BuildWheelPage},
        {"dials", BuildDialsPage},
    };
}
