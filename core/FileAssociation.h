#pragma once
// The registration of ".pgp" documents with the desktop, as a service: the
// main window writes it at every start; the application installs the
// platform's implementation. Failures are ignored and never reported.
class FileAssociationService {
public:
    virtual ~FileAssociationService() = default;
    // Makes the desktop open ".pgp" documents with this program.
    virtual void WriteFileAssociation() = 0;
};

// The installed service (one that does nothing until one is installed).
FileAssociationService& FileAssociation();
// Installs `service` (not owned); nullptr restores the default.
void SetFileAssociationService(FileAssociationService* service);
