#pragma once
// The seam between the main window's File commands and the documents: what
// the command line, File > Open, the save question and File > Save need of the
// document reader and writer. The default reads and writes ".pgp" files;
// tests install scripted commands.
#include <string>

class frmF1;

class DocumentCommands {
public:
    virtual ~DocumentCommands() = default;
    // Reads the ".pgp" document at `path` into the window. False when nothing
    // was opened; it has then told the user why.
    virtual bool OpenDocument(frmF1& window, const std::string& path) = 0;
    // The File > Save command: writes the visible scene to a document the
    // user picks. True only when the document was written (a cancelled file
    // dialog or a failed write gives false).
    virtual bool SaveDocument(frmF1& window) = 0;
};

// The installed commands (the ".pgp" files unless others are installed).
DocumentCommands& Documents();
// Installs `commands` (not owned); nullptr restores the default.
void SetDocumentCommands(DocumentCommands* commands);

// Writes the visible scene and the axes as the ".pgp" document at `path`
// (Save, and Save As with the document type), then refreshes the file
// association. False, the user told why, when nothing was written.
bool WriteDocument(const std::string& path);
// Writes the ".pgp" association again through the association service;
// failures are not reported.
void RefreshFileAssociation();
