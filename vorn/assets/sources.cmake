set(VORN_ASSETS_SOURCES
  assets/archive_asset_loader.cpp
  assets/archive_format.cpp
  assets/archive_writer.cpp
  assets/asset.cpp
  assets/asset_manager.cpp
  assets/asset_manager_cache.cpp
  assets/asset_manager_images.cpp
  assets/asset_manager_text.cpp
  assets/file_asset_loader.cpp
  assets/file_search.cpp
  assets/image_script.cpp
  assets/colour_database.cpp
  assets/font_database.cpp
  assets/image_cache.cpp
  assets/wallpaper.cpp
)
vorn_subsystem(assets DEPENDS util SOURCES ${VORN_ASSETS_SOURCES})
