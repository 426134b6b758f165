#pragma once

#include "platform/graphics/graphics_objects.h"

#include <QString>

class TCanvas;

// The shell's system image lists: the icons it shows for files, folders and drives, kept by
// position, in a small and a large size. Positions 0 to 6 hold the computer, the desktop, the
// wastebasket, the network, a drive, a folder and a plain file; the icons of looked-up paths
// follow in the order they were first asked for.
int SystemImageSize(bool large);
int SystemImageCount();
// The position of the icon the shell shows for path: that of the file or folder when it exists,
// else the icon of its file type.
int SystemImageIndex(const QString& path);
// Draws the icon at index stretched into r, its transparent parts left as they are; nothing for
// a position outside the list or where the desktop has no icon to show.
void DrawSystemImage(TCanvas& canvas, const TRect& r, int index, bool large);
