// The rules over an INF document and the CD's files, without any file system: quillot-check
// runs them on an INF read from disk, the editor on the document it edits.
#pragma once

#include "byte_source.h"
#include "cd_tree.h"
#include "findings.h"
#include "inf_view.h"
#include "ini_file.h"

namespace cd_check {

// How Windows reads the INF whose bytes are bytes and that document was read from. The
// document itself tells UTF-16 and UTF-8 behind its mark from 8-bit text; UTF-8 without its
// mark Windows reads as 8-bit text.
InfEncoding EncodingOf(ByteSource& bytes, const INIFile& document);

// Every check of the INF's content against the files of tree, for an INF stored in encoding.
void CheckInfDocument(const INIFile& document, InfEncoding encoding, const CdTree& tree,
                      Findings& findings);

// What concerns the whole INF first, then the INF's findings in the order of its lines, then
// the names on the CD.
void SortForReading(Findings& findings);

} // namespace cd_check
