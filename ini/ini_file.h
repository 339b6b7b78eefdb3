// An INI file held in memory: its sections with their key=value entries, their other text
// lines and the comments of all of them. The file is read once, at construction; changes
// are made in memory and written back by Save, which the owner calls when it wants to know
// the outcome and which destruction calls once more for anything still unsaved.
//
// Every operation comes in two forms: with the section name and key as texts, and with them
// as ids of the module's string table. Values, keys and texts handed out point into the
// document and stay valid until that element is changed or removed or the document is
// destroyed; a default handed in is handed back as the same pointer. Names match without
// regard to the case of a to z.
#pragma once

#include "ini_elements.h"
#include "platform.h"
#include "sorted_indirect_array.h"
#include "text_encoding.h"
#include "text_store.h"

#include <string>

class FileIO;

class INIFile {
public:
    using ModuleInstance = ini_platform::ModuleInstance;

    // Reads and parses fileName; a missing file gives an empty document. A file that cannot
    // be opened or whose reading fails on the way is never written over: the document lacks
    // what it holds. module is where the id forms load their names from (nullptr:
    // this program).
    explicit INIFile(const char* fileName, ModuleInstance module = nullptr);
    ~INIFile();
    INIFile(const INIFile&) = delete;
    INIFile& operator=(const INIFile&) = delete;

    // Writes the document to its file if it was changed, or if the file is UTF-8, a form
    // Windows' profile reader does not take (it is written as Encoding() then tells). True
    // when the file now holds the document (also when there was nothing to write); false when
    // the file could not be replaced, in which case it is left exactly as it was and the
    // document stays modified.
    bool Save();

    bool IsModified() const { return modified_ != 0; }
    // The encoding the file was read in, and that it is written back in; UTF-8 is written back
    // in code page 1252 or UTF-16, and this then tells which.
    TextEncoding Encoding() const { return encoding_; }
    // The encoding Save writes the file in.
    TextEncoding EncodingToWrite() const;
    // Gives up the changes not yet saved: the file stays as it is, also at destruction. The
    // document itself keeps them.
    void DiscardChanges() { modified_ = 0; }

    // None for an empty name.
    section* FindSection(const char* name) const;

    // Name forms.
    const char* GetString(const char* sectionName, const char* key, const char* defaultValue);
    void SetString(const char* sectionName, const char* key, const char* value);
    void AddString(const char* sectionName, const char* key, const char* value);
    float GetFloat(const char* sectionName, const char* key, float defaultValue);
    void SetFloat(const char* sectionName, const char* key, float value);
    void AddFloat(const char* sectionName, const char* key, float value);
    void RemoveEntry(const char* sectionName, const char* key);
    int EntryCount(const char* sectionName);
    const char* GetKey(const char* sectionName, unsigned index);
    int TextCount(const char* sectionName);
    const char* GetText(const char* sectionName, unsigned index);
    // Replaces the text line at position, or appends when position is past the last one
    // (kAppend always appends); does nothing if a line of the section matches text.
    void AddText(const char* sectionName, const char* text, unsigned position);
    void RemoveText(const char* sectionName, unsigned index);
    void RemoveText(const char* sectionName, const char* text);
    void RemoveSection(const char* sectionName);

    // String-id forms: the same operations, the names loaded from the string table. An id
    // the table lacks names nothing: it reads as a missing section or key and changes nothing.
    const char* GetString(unsigned sectionId, unsigned keyId, const char* defaultValue);
    void SetString(unsigned sectionId, unsigned keyId, const char* value);
    void AddString(unsigned sectionId, unsigned keyId, const char* value);
    float GetFloat(unsigned sectionId, unsigned keyId, float defaultValue);
    void SetFloat(unsigned sectionId, unsigned keyId, float value);
    void AddFloat(unsigned sectionId, unsigned keyId, float value);
    void RemoveEntry(unsigned sectionId, unsigned keyId);
    int EntryCount(unsigned sectionId);
    const char* GetKey(unsigned sectionId, unsigned index);
    int TextCount(unsigned sectionId);
    const char* GetText(unsigned sectionId, unsigned index);
    void AddText(unsigned sectionId, const char* text, unsigned position);
    void RemoveText(unsigned sectionId, unsigned index);
    void RemoveText(unsigned sectionId, const char* text);
    void RemoveSection(unsigned sectionId);

    // The same as GetString, SetString and RemoveEntry, for the key exactly as written, byte
    // for byte: a key that differs from it only in letter case is another key to these.
    const char* GetExactString(const char* sectionName, const char* key, const char* defaultValue);
    void SetExactString(const char* sectionName, const char* key, const char* value);
    void RemoveExactEntry(const char* sectionName, const char* key);

    // True when the key's value holds characters that code page 1252 lacks: read from a
    // UTF-16 file, unchanged, handed out with "?" in their place.
    bool HasHiddenCharacters(const char* sectionName, const char* key);
    bool HasHiddenCharacters(unsigned sectionId, unsigned keyId);
    // Such a value whole, as UTF-16; nullptr for any other value.
    const std::u16string* HiddenValue(const char* sectionName, const char* key);
    const std::u16string* HiddenValue(unsigned sectionId, unsigned keyId);

    static constexpr unsigned kAppend = 2147483647;

    // All sections, sorted by name.
    const TISArrayAsVector<section>& Sections() const { return sections_; }

private:
    void Parse();
    unsigned SectionIndexOf(const char* sectionName) const;
    section* SectionForChange(const char* sectionName);
    void StoreString(const char* sectionName, const char* key, const char* value, bool replace);
    void RemoveTextLine(unsigned sectionIndex, unsigned lineIndex);
    // Removes the entry that indexOf finds for key, and the section when it is left empty.
    void RemoveFoundEntry(const char* sectionName, const char* key,
                          unsigned (*indexOf)(const section&, const char*));
    void DestroySectionIfEmpty(unsigned sectionIndex);

    // The lines as read, which the elements point into; declared first, so that it goes last.
    TextStore texts_;
    TISArrayAsVector<section> sections_;
    // Whether the sections are SortedWithoutCase (see section::keysSortedWithoutCase).
    bool sectionsSortedWithoutCase_;
    int modified_;
    ModuleInstance module_;
    std::string fileName_;
    // Set for a file that is not 8-bit text or could not be read to its end: such a file is
    // never written over, as the document does not hold all of it.
    bool neverWrittenOver_;
    TextEncoding encoding_;
};

// Writes TAB, ";", blank and the element's comment, if it has one.
FileIO& WriteComment(const rtext& element, FileIO& file);
