#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The tool's pictures and icon, compiled in through Qt's resource system. Call these on the GUI
// thread once a QGuiApplication exists.

// Makes the pictures reachable under ":/"; every function below does it first. Code that opens
// ":/bitmaps/..." paths itself must call this (or one of them) once before.
void RegisterPictureResources();

// Returns the resource path of bitmap `id` (":/bitmaps/<id>.png"), usable wherever Qt takes a file
// name; "" for an id that names no bitmap.
QString PicturePath(int id);

// Returns bitmap `id` at its own size; a null pixmap for an id that names no bitmap. The backdrop
// (ResourceId::kBackdropPicture) is stored as one black pixel: show it scaled, or use MakeBackdrop.
QPixmap LoadPicture(int id);

// Returns the black backdrop at `size`. It is made on demand because the full-size one-colour
// backdrop would cost tens of megabytes as a pixmap for pixels nobody sees.
QPixmap MakeBackdrop(QSize size);

// Returns icon `id` with all its sizes; a null icon for an id that names no icon.
QIcon LoadIcon(int id);
