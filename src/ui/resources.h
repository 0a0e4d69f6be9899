// The program's pictures and the caption tables of its windows.
#pragma once

#include "ui/glyphs.h"

namespace zavro::ui {

// Registers the resources of this library (needed once, since it is static).
void InitUiResources();

// Caption tables of the glyph buttons, counted from 1.
const CaptionTable& CaptionsMain();           // main window, tags 1..14
const CaptionTable& CaptionsErrorMessage();   // error window
const CaptionTable& CaptionsOkMessage();      // confirmation window
const CaptionTable& CaptionsSetKeyConfig();   // key window
const CaptionTable& CaptionsSelectPathTree(); // folder chooser
const CaptionTable& CaptionsLogicalDisks();   // device-disk chooser
const CaptionTable& CaptionsDialogConfig();   // settings dialog

// Image lists of the glyph buttons.
const ImageList& ImagesMain();           // 10 pictures of 90 x 32
const ImageList& ImagesErrorMessage();   // 3 pictures of 24 x 22
const ImageList& ImagesOkMessage();      // 2 pictures of 24 x 22
const ImageList& ImagesSetKeyConfig();   // 2 pictures of 24 x 22
const ImageList& ImagesSelectPathTree(); // 2 pictures of 24 x 22
const ImageList& ImagesLogicalDisks();   // 2 pictures of 24 x 22
const ImageList& ImagesDialogConfig();   // 3 pictures of 24 x 22

// Pictures of the folder tree, 16 x 16, pure blue being transparent; in the
// order of their image index.
enum TreeImage {
    kImageClosedFolder = 0,
    kImageOpenFolder = 1,
    kImageFloppy = 2,
    kImageHard = 3,
    kImageNetwork = 4,
    kImageCdrom = 5,
    kImageRam = 6,
};
const ImageList& ImagesTree();
// A tree picture with its blue background made transparent.
QImage TreePicture(int index);

} // namespace zavro::ui
