#pragma once
// The ".pgp" association for this user on a freedesktop desktop, written at
// every start and refreshed by Save, in the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share):
// - applications/vexilon.desktop: opens a document with this program (quoted
//   Exec with %f), shown in no menu;
// - mime/packages/vexilon.xml: the type application/x-vexilon-document, for
//   "*.pgp" at glob weight 10 with a low-priority magic for both frames of a
//   document (bytes 08 00 at offset 0 and "S" at 4; the long frame's 08 80 at
//   0 and "S" at 6). PGP's own types claim "*.pgp" at weight 50, so the file
//   manager looks at the content: our documents are typed as ours, PGP files
//   stay PGP;
// - icons/hicolor/scalable/mimetypes/application-x-vexilon-document.svg: the
//   document icon, named by the type and by the entry's Icon=.
// Only a file whose content differs is written; then the caches of the folder
// are refreshed by the desktop's own tools where installed (the icon cache only
// where the user already has one). The user's choices (mimeapps.list) are
// never written. Every failure is silent: start-up and saving go on.
#include <QString>

inline constexpr char PgpMimeType[] = "application/x-vexilon-document";

struct PgpAssociationPlace {
    QString dataHome; // empty: $XDG_DATA_HOME, else ~/.local/share
    QString program;  // empty: this program's executable
};

// Writes what differs; the number of files written.
int WritePgpAssociation(const PgpAssociationPlace& place = {});
