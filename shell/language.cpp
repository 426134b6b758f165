#include "shell/language.h"

#include "shell/default_texts.h"
#include "shell/program_state.h"

void Load_Default_Texts() {
    Lang_Count = 2600;
    Lang_List.clear();
    Lang_List.reserve(Lang_Count);
    for (int i = 0; i < Lang_Count; ++i) Lang_List.append(QStringLiteral(" "));
    for (const auto& [id, text] : Default_Texts()) Lang_List[id] = text;
}

void Load_Language() {
    Load_Default_Texts();
    if (Language_Name.trimmed().isEmpty()) Language_Name = QStringLiteral("English");
}
