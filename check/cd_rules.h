// The rules over an INF document and the CD's files, without any file system: quillot-check
// runs them on an INF read from disk, the editor on the document it edits.
#pragma once

#include "byte_source.h"
#include "cd_tree.h"
#include "findings.h"
#include "inf_view.h"
#include "ini_file.h"

namespace cd_check {

// How the INF's bytes are stored, as far as Windows can read them.
enum class InfEncoding { kAnsi, kUtf16, kUtf8Mark, kUtf8WithoutMark, kUnreadable };

// How Windows reads the INF whose bytes are bytes and that document was read from. The
// document itself tells UTF-16 and UTF-8 behind its mark from 8-bit text; UTF-8 without its
// mark Windows reads as 8-bit text.
InfEncoding EncodingOf(ByteSource& bytes, const INIFile& document);

// Every check of the INF's content against the files of tree, for an INF stored in encoding.
void CheckInfDocument(const INIFile& document, InfEncoding encoding, const CdTree& tree,
                      Findings& findings);

// The check of a CD, for quillot-check and the editor alike: the INF (document, stored in
// encoding; nullptr when the CD has none) against the files of tree, then the names on the CD
// (with iso9660 also whether they are 8.3), appended to findings and sorted for reading. A walk
// that failed (tree.Failure()) is for the caller to weigh.
void CheckCdContent(const INIFile* document, InfEncoding encoding, const CdTree& tree, bool iso9660,
                    Findings& findings);

// What concerns the whole INF first, then the INF's findings in the order of its lines, then
// the names on the CD.
void SortForReading(Findings& findings);

} // namespace cd_check
