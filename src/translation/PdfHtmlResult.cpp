#include "translation/PdfHtmlResult.h"

#include "common/DataBuffer.h"
#include "common/FileWriting.h"
#include "common/StringBuffer.h"
#include "documents/files/PicturePackage.h"
#include "documents/files/ResultLinks.h"
#include "translation/TranslationFlags.h"
#include "translation/TranslationJob.h"

namespace vorla {

namespace {

std::string_view PackageOf(const TranslationJob& job) {
  return job.auxbuf ? ViewOf(*job.auxbuf) : std::string_view();
}

}  // namespace

bool IsPdfHtmlResult(const TranslationJob& job) {
  return (job.trflags & kTrPdfToHtml) != 0 && job.tgtformat == kFormatHtml;
}

int WritePackagePictures(std::string_view package, const std::filesystem::path& folder,
                         std::string_view pageName) {
  int written = 0;
  for (const PackagePicture& picture : ReadPicturePackage(package).pictures) {
    if (!IsPlainPictureName(picture.name, pageName)) continue;
    if (WriteFileReplacing(folder / std::string(picture.name), picture.data)) ++written;
  }
  return written;
}

std::string PdfHtmlPageForSaving(const TranslationJob& job, std::string_view fileName) {
  const std::string_view page = job.Result();
  const std::optional<std::string> rewritten = RewriteResultLinks(page, PackageOf(job), fileName);
  return RemovePictureTags(rewritten ? std::string_view(*rewritten) : page);
}

bool WriteResultDocument(const TranslationJob& job, const std::filesystem::path& path) {
  const std::string_view result = job.Result();
  if (!IsPdfHtmlResult(job)) return WriteFileReplacing(path, result);
  const std::string pageName = path.filename().string();
  WritePackagePictures(PackageOf(job), path.parent_path(), pageName);
  const std::optional<std::string> rewritten = RewriteResultLinks(result, PackageOf(job), pageName);
  return WriteFileReplacing(path, rewritten ? std::string_view(*rewritten) : result);
}

}  // namespace vorla
