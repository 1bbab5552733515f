#include "pages.h"

using namespace vorn;

std::vector<GalleryPage> AllGalleryPages()
{
    return {
        {"buttons", BuildButtonsPage},
        {"sliders", BuildSlidersPage},
        {"wheel", BuildWheelPage},
        {"dials", BuildDialsPage},
        {"text", BuildTextPage},
        {"lists", BuildListsPage},
        {"scroll bars", BuildScrollBarsPage},
        {"table", BuildTablePage},
        {"property tree", BuildTreePage},
        {"colour", BuildColourPage},
        {"instruments", BuildInstrumentsPage},
        {"GL", BuildGlPage},
    };
}
