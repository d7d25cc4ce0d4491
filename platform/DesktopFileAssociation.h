#pragma once
// The ".pgp" association on this desktop, written at every start: the
// per-user desktop entry, document type and icon of WritePgpAssociation
// (PgpAssociation.h). Failures are silent.
#include "core/FileAssociation.h"

class DesktopFileAssociation : public FileAssociationService {
public:
    void WriteFileAssociation() override;
};
