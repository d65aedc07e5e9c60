#include "app/user_interface.h"

#include "app/number_text.h"

namespace traverse {

std::string FieldName(Field field) {
  return "Text" + GeneralText(static_cast<double>(static_cast<int>(field)));
}

}  // namespace traverse
