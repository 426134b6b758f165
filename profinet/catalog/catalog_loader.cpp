#include "profinet/catalog/catalog_loader.h"

#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/graphics/graphic.h"
#include "platform/system/files.h"
#include "shell/program_state.h"

TPROFINETCatLoad::TPROFINETCatLoad(bool createSuspended, TImage* loadingImage, TLabel* loadingLabel)
    : TThread(true), image_(loadingImage), label_(loadingLabel) {
    if (!createSuspended) Start();
}

TPROFINETCatLoad::~TPROFINETCatLoad() = default;

void TPROFINETCatLoad::Execute() {
    Synchronize([this] { Show_Load_Catalog(); });
    Load_Catalog();
    Synchronize([this] { Hide_Load_Catalog(); });
}

void TPROFINETCatLoad::Show_Load_Catalog() {
    if (auto* gif = dynamic_cast<TGIFImage*>(image_->Picture().Graphic())) gif->SetAnimate(true);
    image_->SetVisible(true);
    label_->SetVisible(true);
}

void TPROFINETCatLoad::Hide_Load_Catalog() {
    image_->SetVisible(false);
    label_->SetVisible(false);
    if (auto* gif = dynamic_cast<TGIFImage*>(image_->Picture().Graphic())) gif->SetAnimate(false);
}

void TPROFINETCatLoad::Load_Catalog() {
    if (!DirectoryExists(Catalog_Dir)) return;
}
