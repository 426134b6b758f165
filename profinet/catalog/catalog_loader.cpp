#include "profinet/catalog/catalog_loader.h"

#include <exception>
#include <memory>

#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/graphics/graphic.h"
#include "platform/system/files.h"
#include "profinet/catalog/catalog.h"
#include "common/state/program_state.h"

namespace {

// Only files with no attribute outside this mask are loaded: read-only files and folders
// are among those left out.
constexpr uint32_t Catalog_Attribute_Mask = 0x1022A6;

void Animate_Loading(TImage& image, bool animate) {
    if (auto* gif = dynamic_cast<TGIFImage*>(image.Picture().Graphic())) gif->SetAnimate(animate);
}

// The decoded file, or nullptr when it does not decode for any reason.
std::unique_ptr<TGSDML> Decode_File(const QString& path, const QString& name) {
    auto gsdml = std::make_unique<TGSDML>();
    try {
        if (gsdml->Decode_GSDML(path, name)) return gsdml;
    } catch (const std::exception&) {
        // A file that is not well-formed XML is passed over like any other.
    }
    return nullptr;
}

}  // namespace

TPROFINETCatLoad::TPROFINETCatLoad(bool createSuspended, TImage* loadingImage, TLabel* loadingLabel)
    : TThread(true),
      image_(loadingImage),
      label_(loadingLabel),
      catalogDir_(Catalog_Dir),
      catalog_(PROFINET_Catalog_Obj) {
    if (!createSuspended) Start();
}

TPROFINETCatLoad::~TPROFINETCatLoad() {
    // The body must be over before this part of the object goes.
    Terminate();
    WaitFor();
}

void TPROFINETCatLoad::Execute() {
    Synchronize([this] { Show_Load_Catalog(); });
    Load_Catalog();
    Synchronize([this] { Hide_Load_Catalog(); });
}

void TPROFINETCatLoad::Show_Load_Catalog() {
    Animate_Loading(*image_, true);
    image_->SetVisible(true);
    label_->SetVisible(true);
}

void TPROFINETCatLoad::Hide_Load_Catalog() {
    image_->SetVisible(false);
    label_->SetVisible(false);
    Animate_Loading(*image_, false);
}

void TPROFINETCatLoad::Load_Catalog() {
    if (!catalog_ || !DirectoryExists(catalogDir_)) return;
    const QString path = IncludeTrailingPathDelimiter(catalogDir_);
    for (const TSearchRec& rec : FindFiles(catalogDir_, QStringLiteral("GSDML*.xml"))) {
        if (Terminated()) return;
        if ((rec.Attr & ~Catalog_Attribute_Mask) != 0) continue;
        if (std::unique_ptr<TGSDML> gsdml = Decode_File(path, rec.Name)) catalog_->Insert_in_Catalog(std::move(gsdml));
    }
}
