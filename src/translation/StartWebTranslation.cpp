// CWindowsTranslator::StartWebTranslation: an address becomes a web job on a worker.
#include "translation/CWindowsTranslator.h"
#include "translation/ResultCodes.h"
#include "translation/TranslationFlags.h"
#include "translation/TranslationPreferences.h"
#include "translation/WebAddress.h"

namespace vorla {

CWindowsTranslator::WebJobStart CWindowsTranslator::StartWebTranslation(
    std::string_view address, RefPtr<IWebDialogSink> dialog) {
  CancelWebJob();
  const WebAddress web = NormaliseWebAddress(address, config_->ServiceUrl());
  if (web.check == WebAddressCheck::UntranslatedType) return {kResultFormatNotSupported, nullptr};
  if (web.check != WebAddressCheck::Accepted) return {kResultAddressRefused, nullptr};

  const Hooks hooks = GetHooks();
  auto job = MakeRef<WindowsTranslationInstance>(config_, JobDisplay{dialog, {}}, hooks.clock);
  job->Flags().webJob = true;
  job->Flags().secureSource = IsSecureWebAddress(web.address);
  job->SetFileName(web.fileName);
  TranslationJob& request = job->Job();
  request.srcurllen = static_cast<int>(web.address.size());
  request.srcurl = web.address;
  request.srcformat = request.tgtformat = web.format;
  request.pid = config_->pid();
  request.FillLanguages(*state_);
  const NoActiveDictionaries none;
  request.FillSettings(TranslationPreferences::Read(config_->settings()),
                       hooks.dictionaries ? *hooks.dictionaries : none);
  request.trflags |= kTrFromClient;
  job->Client().Initialise(config_, *state_, hooks.connections);
  // The worker clears it when the job ends.
  job->Client().SetTranslationObserver(job);
  {
    std::lock_guard lock(mutex_);
    webJob_ = job;
  }
  StartWorker(job);
  return {0, job};
}

bool CWindowsTranslator::CancelWebJob() {
  return CancelRegistered(webJob_);
}

}  // namespace vorla
