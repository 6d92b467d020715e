#pragma once

#include "BandState.h"
#include "DefaultData.h"
#include "MemoryImage.h"
#include "Result.h"

#include <QString>

// The radio's data as the program holds it: the memory image with its PC block, the band state
// the forms check frequencies against, the file the data belongs to (none while untitled) and a
// copy of the data as it was last opened, saved, read or made new, which tells whether it has
// been modified since.
class Document {
public:
    MemoryImage& image() { return image_; }
    const MemoryImage& image() const { return image_; }
    BandState& bands() { return bands_; }
    const BandState& bands() const { return bands_; }

    // The absolute path of the data file; empty while the document is untitled.
    const QString& path() const { return path_; }
    // The file name a save offers while the document is untitled.
    void setSuggestedName(const QString& name) { suggestedName_ = name; }
    const QString& suggestedName() const { return suggestedName_; }
    // The file's name, or the suggested one while untitled.
    QString displayName() const;

    bool isModified() const { return !(image_ == clean_); }
    // The data as it is now counts as unmodified.
    void markClean() { clean_ = image_; }

    // Load default data (start and New): an untitled, unmodified document.
    DefaultSource loadDefault(const QString& defaultFile);
    // Opens a data file and loads its band limits; on failure nothing changes.
    Result open(const QString& path);
    // Saves atomically; on success the document belongs to that file and is unmodified.
    Result saveAs(const QString& path);

private:
    // The data is now that file's, as it is there.
    void belongTo(const QString& path);

    MemoryImage image_;
    BandState bands_;
    QString path_;
    QString suggestedName_;
    MemoryImage clean_;
};
