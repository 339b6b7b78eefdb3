// A second reading of the INF that takes the changes for a look at the CD as OK would save it
// and never reaches the file: it would otherwise write them when it goes.
#pragma once

#include "ini_file.h"

#include <string>

class ScratchDocument {
public:
    explicit ScratchDocument(const std::string& infPath) : document_(infPath.c_str()) {}
    ~ScratchDocument() { document_.DiscardChanges(); }
    ScratchDocument(const ScratchDocument&) = delete;
    ScratchDocument& operator=(const ScratchDocument&) = delete;

    INIFile& Document() { return document_; }

private:
    INIFile document_;
};
