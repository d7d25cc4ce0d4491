#include "platform/DesktopFileAssociation.h"

void DesktopFileAssociation::WriteFileAssociation() {}
