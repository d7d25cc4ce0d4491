#include "core/FileAssociation.h"

namespace {

class NoAssociation : public FileAssociationService {
public:
    void WriteFileAssociation() override {}
};

NoAssociation none;
FileAssociationService* current = &none;

} // namespace

FileAssociationService& FileAssociation() { return *current; }
void SetFileAssociationService(FileAssociationService* service) { current = service ? service : &none; }
