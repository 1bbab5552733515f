#pragma once
// Every public header of the library (regenerate with scripts/update-umbrella.sh).

/// @namespace vorn
/// Every public name of the library.

#include <vorn/util/bitmap.h>
#include <vorn/util/color.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/enum_string_parser.h>
#include <vorn/util/extreme_helper.h>
#include <vorn/util/filter.h>
#include <vorn/util/gradient.h>
#include <vorn/util/raster.h>
#include <vorn/util/stream.h>
#include <vorn/util/text.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/wx_image_convert.h>
#include <vorn/util/wx_image_filter.h>
#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>
#include <vorn/framework/hint_event.h>
#include <vorn/framework/hint_text.h>
#include <vorn/framework/hints.h>
#include <vorn/framework/on_off_control.h>
#include <vorn/framework/pointer_state.h>
#include <vorn/framework/value_control.h>
#include <vorn/framework/value_interfaces.h>
#include <vorn/framework/virtual_control.h>
#include <vorn/framework/window.h>
#include <vorn/assets/archive_asset_loader.h>
#include <vorn/assets/archive_format.h>
#include <vorn/assets/archive_writer.h>
#include <vorn/assets/asset.h>
#include <vorn/assets/asset_loader.h>
#include <vorn/assets/asset_manager.h>
#include <vorn/assets/colour_database.h>
#include <vorn/assets/font_database.h>
#include <vorn/assets/image_cache.h>
#include <vorn/assets/image_script.h>
#include <vorn/assets/skin_info.h>
#include <vorn/assets/skin_names.h>
#include <vorn/assets/wallpaper.h>
#include <vorn/controls/angle_clippers.h>
#include <vorn/controls/angle_control.h>
#include <vorn/controls/angle_model.h>
#include <vorn/controls/button.h>
#include <vorn/controls/button_drag.h>
#include <vorn/controls/button_moment.h>
#include <vorn/controls/slider.h>
#include <vorn/controls/slider_model.h>
#include <vorn/controls/thumb_wheel.h>
#include <vorn/controls/thumb_wheel_model.h>
#include <vorn/controls/virtual_button.h>
