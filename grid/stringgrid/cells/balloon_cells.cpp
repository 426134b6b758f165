// Balloons attached to cells: a title, a text and an icon, kept in the cell's record: a balloon
// record of its own, or the record of a check box or radio button it rides on.
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/core/string_list.h"

namespace {
bool carriesBalloons(TCellType Type) { return Type == ctCheckBox || Type == ctDataCheckBox || Type == ctRadioButton; }

void setTexts(TCellGraphic& Graphic, const QString& Title, const QString& Text, TBalloonIcon Icon) {
    if (Graphic.Held<TStringList>()) delete Graphic.Held<TStringList>();
    auto* texts = new TStringList;
    texts->Add(Title);
    texts->Add(Text);
    Graphic.CellBitmap = texts;
    Graphic.CellIndex = Icon;
}
}  // namespace

void TExStringGrid::AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon) {
    TCellGraphic* own = ownCellGraphic(ACol, ARow);
    if (own && carriesBalloons(own->CellType)) {
        if (own->CellAngle != 1) own->CellBitmap = std::monostate{};
        own->CellAngle = 1;
        setTexts(*own, Title, Text, Icon);
        return;
    }
    // A cell with any other decoration keeps it.
    if (own && own->CellType != ctBalloon) return;
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctBalloon;
    graphic->CellAngle = 0;
    setTexts(*graphic, Title, Text, Icon);
}

void TExStringGrid::RemoveBalloon(int ACol, int ARow) {
    TCellGraphic* own = ownCellGraphic(ACol, ARow);
    if (!own) return;
    if (own->CellType == ctBalloon) {
        RemoveCellGraphic(ACol, ARow);
    } else if (carriesBalloons(own->CellType) && own->CellAngle == 1) {
        delete own->Held<TStringList>();
        own->CellBitmap = std::monostate{};
        own->CellAngle = 0;
    }
}

bool TExStringGrid::HasBalloon(int ACol, int ARow) {
    const TPoint base = BaseCell(ACol, ARow);
    return GetCellType(base.X, base.Y) == ctBalloon;
}

bool TExStringGrid::IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    const bool balloon = graphic->CellType == ctBalloon || (carriesBalloons(graphic->CellType) && graphic->CellAngle == 1);
    const TStringList* texts = graphic->Held<TStringList>();
    if (!balloon || !texts || texts->Count() < 2) return false;
    Title = texts->Strings(0);
    Text = texts->Strings(1);
    Icon = static_cast<TBalloonIcon>(graphic->CellIndex);
    return true;
}
