#include "dialogs/special/SingleBoxes.h"

#include "core/Errors.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphDialogSteps.h"

#include <QLineEdit>

std::optional<std::vector<float>> ReadSingles(std::initializer_list<const QLineEdit*> boxes) {
    std::vector<float> values;
    values.reserve(boxes.size());
    try {
        for (const QLineEdit* box : boxes) values.push_back(SingleValue(TextOf(box)));
    } catch (const RaisedError& e) {
        RefuseOk(e.Text(), ErrorTitle);
        return std::nullopt;
    }
    return values;
}
