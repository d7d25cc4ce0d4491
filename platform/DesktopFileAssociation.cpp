#include "platform/DesktopFileAssociation.h"

#include "platform/PgpAssociation.h"

void DesktopFileAssociation::WriteFileAssociation() { WritePgpAssociation(); }
