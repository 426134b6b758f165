#pragma once

#include "grid/foundation/html_picture.h"

#include <QString>
#include <memory>
#include <vector>

// The pictures the markup loads itself from "RES://" and "FILE://" sources, kept under their
// source text. It owns its pictures.
class THTMLPictureCache {
public:
    THTMLPictureCache() = default;
    THTMLPictureCache(const THTMLPictureCache&) = delete;
    THTMLPictureCache& operator=(const THTMLPictureCache&) = delete;
    ~THTMLPictureCache() { ClearPictures(); }

    int Count() const { return static_cast<int>(items_.size()); }
    // A new empty picture at the end.
    THTMLPicture* AddPicture();
    // The first picture whose ID is exactly ID (letter case counts); nullptr when none.
    THTMLPicture* FindPicture(const QString& ID) const;
    THTMLPicture* GetPicture(int Index) const;
    // Replaces the picture at Index, freeing the one it held.
    void SetPicture(int Index, std::unique_ptr<THTMLPicture> Value);
    void ClearPictures() { items_.clear(); }
    // Steps every picture's animation; true when any shows another frame.
    bool Animate();

private:
    std::vector<std::unique_ptr<THTMLPicture>> items_;
};
