#include "report/listing.h"

#include "app/number_text.h"

namespace traverse {

void ListCoordinates(const TraverseRecord& record, UserInterface& ui) {
  for (std::size_t k = 0; k <= record.PointCount; ++k) {
    const NumberReading answer = ReadNumber(ui.PromptDialog(kListingPrompt));
    if (answer.kind == TextKind::kNumber && answer.value == 0) return;
    ui.SetFieldText(Field::Text22, "现在显示计算结果");
    ui.SetFieldText(Field::Text10, "  " + record.PointName[k]);
    ui.SetFieldText(Field::Text11, FixedText(RoundHalfEven(record.CoordX[k], 3), 3));
    ui.SetFieldText(Field::Text12, FixedText(RoundHalfEven(record.CoordY[k], 3), 3));
  }
}

}  // namespace traverse
