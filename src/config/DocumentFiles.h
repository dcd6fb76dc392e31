#pragma once

#include <filesystem>
#include <string_view>

namespace vorla {

// Whether a file name ends in one of the document-type extensions that the client leaves in
// the documents work folder ("rtf", "docx", "pdf", "mp3" ...), compared without regard to case.
bool IsDocumentFileName(std::string_view fileName);

// Deletes the document-type files directly in folder. Sub-folders, their files and files of
// other types stay; a file that cannot be deleted is left.
void DeleteDocumentFiles(const std::filesystem::path& folder);

}  // namespace vorla
