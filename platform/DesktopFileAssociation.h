#pragma once
// The ".pgp" association on this desktop. Writing it is not done yet (it comes
// with the clipboard and files work); until then the start-up's request does
// nothing, as a failed write would.
#include "core/FileAssociation.h"

class DesktopFileAssociation : public FileAssociationService {
public:
    void WriteFileAssociation() override;
};
