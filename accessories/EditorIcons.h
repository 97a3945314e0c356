#pragma once
// The text editor's tool bar pictures: the desktop theme's icon of the
// freedesktop name, or a small picture of our own where the theme has none.

#include <QIcon>

namespace EditorIcons {

// One of "document-new", "document-open", "document-save",
// "document-save-as", "edit-cut", "edit-copy", "edit-paste".
QIcon icon(const QString &name);

// Our own picture of that name, never empty.
QIcon builtIn(const QString &name);

} // namespace EditorIcons
