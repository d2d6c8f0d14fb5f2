# The font files the build draws with: the runtime's default font is rendered
# from DejaVu Sans Mono, and the names painted on the game's trailer and shop
# are set in DejaVu Sans Bold (Debian: fonts-dejavu-core).
set(ASSETGEN_FONT_FOLDERS /usr/share/fonts/truetype/dejavu /usr/share/fonts/dejavu /usr/local/share/fonts)
find_file(ASSETGEN_FONT_FILE DejaVuSansMono.ttf
    PATHS ${ASSETGEN_FONT_FOLDERS}
    DOC "The font file the runtime's default font sheet is rendered from")
find_file(ASSETGEN_LETTERING_FONT_FILE DejaVuSans-Bold.ttf
    PATHS ${ASSETGEN_FONT_FOLDERS}
    DOC "The font the lettering on the game's textures is set in")
foreach(font ASSETGEN_FONT_FILE ASSETGEN_LETTERING_FONT_FILE)
    if(NOT ${font})
        message(FATAL_ERROR
            "${font} was not found: install the font package (scripts/install-deps installs "
            "fonts-dejavu-core) or point ${font} at the file.")
    endif()
endforeach()
