// CWindowsTranslator::RunJob: the worker of one job.
#include "common/ApplicationClosing.h"
#include "service/LoginResults.h"
#include "service/LoginTexts.h"
#include "service/ProgressTexts.h"
#include "translation/BalanceRule.h"
#include "translation/CWindowsTranslator.h"
#include "translation/JobTexts.h"
#include "translation/RequestLength.h"
#include "translation/ResultCodes.h"
#include "translation/TranslationFlags.h"

namespace vorla {

namespace {

constexpr int kFirstListQuota = 3;
constexpr int kSecondListQuota = 4;

TranslationInfo::Source InfoSourceOf(const WindowsTranslationInstance& job) {
  if (!job.FileName().empty()) return TranslationInfo::Source::Document;
  return TranslationInfo::Source::Text;
}

}  // namespace

void CWindowsTranslator::RunJob(const RefPtr<WindowsTranslationInstance>& job) {
  const Hooks hooks = GetHooks();
  const std::shared_ptr<void> questionOwner =
      job->Display().progress ? job->Display().progress->OwnQuestions() : nullptr;
  const int result = RunJobSteps(*job, hooks);
  job->Job().error = result;
  if (result == 0) {
    FinishJob(job, result);
    Deliver(*job, hooks);
  } else {
    job->ShowFailure(result);
    FinishJob(job, result);
    ShowQuotaInfo(*job, hooks);
  }
  job->Client().SetTranslationObserver(nullptr);
  job->Finish(result);
}

void CWindowsTranslator::ShowQuotaInfo(WindowsTranslationInstance& job, const Hooks& hooks) {
  if (!hooks.quotaNotice || !job.MayShow()) return;
  if (!OpensQuotaInfo(job.Job(), state_->GetAccountType())) return;
  hooks.quotaNotice->Show({job.Job().shortfall, state_->GetQuotaLeft(), false});
}

int CWindowsTranslator::RunJobSteps(WindowsTranslationInstance& job, const Hooks& hooks) {
  TranslationJob& request = job.Job();
  if (const int login = EnsureLoggedIn(job); login != 0) return login;
  MarkRequestLength(request);
  std::optional<PriceRecord> price;
  if (!state_->IsPriceExempt()) {
    if (const int refused = CheckPrice(job, hooks, price); refused != 0) return refused;
  }
  if (const int refused = ShowLanguageNotice(job, hooks); refused != 0) return refused;

  job.SetStage(JobStage::Sending);
  const UiLanguage language = config_->GetUiLanguage();
  if (!job.Flags().webJob) {
    job.ShowStatus(GetProgressText(ProgressText::ReadingDocument, language), ProgressBar::Hide);
  }
  if (job.Flags().showPleaseWait && job.Flags().mainWindowJob) {
    job.ShowInTargetPane(kTranslatingPleaseWait.In(language));
  }
  if (const int result = job.Client().Translate(request, kRepeatOnce); result != 0) {
    job.SetStage(JobStage::Failed);
    return result;
  }
  job.SetStage(JobStage::Done);
  // The pair the request's languages were filled from: the service's pick replaces only it.
  AfterTranslation(job, request.filledFrom, price);
  return job.IsCancelled() ? kResultInterrupted : 0;
}

int CWindowsTranslator::EnsureLoggedIn(WindowsTranslationInstance& job) {
  if (state_->HasValidLogin()) return 0;
  state_->SetLoggedIn(false);
  const UiLanguage language = config_->GetUiLanguage();
  job.ShowStatus(kLoggingInText.In(language), ProgressBar::Hide);
  TranslatorState::LoginOptions options;
  options.jobObserver = RefPtr<IHttpConnObserver>(&job);
  const int login = state_->Login(options);
  if (login == kLoginOk) {
    // The login may have changed the pairs the account may use.
    job.Job().FillLanguages(*state_);
    return 0;
  }
  if (const auto text = LoginStatusText(login)) job.SetResultText(std::string(text->In(language)));
  return kResultNotLoggedIn;
}

int CWindowsTranslator::CheckPrice(WindowsTranslationInstance& job, const Hooks& hooks,
                                   std::optional<PriceRecord>& price) {
  job.ShowStatus(GetProgressText(ProgressText::CheckingInfo, config_->GetUiLanguage()),
                 ProgressBar::Hide);
  job.SetStage(JobStage::PriceQuery);
  PriceRecord record;
  if (const int status = job.Client().GetTranslationPrice(job.Job(), &record, 1); status != 0) {
    return status;
  }
  price = record;
  const int quota = state_->GetQuotaLeft();
  const bool suffices = BalanceSuffices(state_->GetAccountType(), quota, record);
  const bool ask = state_->GetAskConfirmation();
  if (suffices && !ask) return 0;
  // A cancelled job asks nothing more.
  if (job.IsCancelled()) return kResultInterrupted;

  TranslationInfo info;
  info.source = InfoSourceOf(job);
  info.words = record.words;
  info.price = record.price;
  info.balance = quota;
  info.balanceSuffices = suffices;
  PriceAnswer answer{false, ask};
  // While the program closes, every question answers "Cancel" at once.
  if (hooks.priceConfirmation && !IsApplicationClosing()) {
    answer = hooks.priceConfirmation->Ask(info, ask);
  }
  state_->SetAskConfirmation(answer.askConfirmation);
  // "Translate" goes on only while the balance suffices.
  if (answer.translate && suffices) return 0;
  return suffices ? kResultCancelled : kResultBalanceInsufficient;
}

int CWindowsTranslator::ShowLanguageNotice(WindowsTranslationInstance& job, const Hooks& hooks) {
  const int accountType = state_->GetAccountType();
  if (!IsLocalPair(job.Job().srclan, job.Job().tgtlan) &&
      (accountType == kFirstListQuota || accountType == kSecondListQuota) &&
      state_->IsNoticePending()) {
    if (job.IsCancelled()) return kResultInterrupted;
    const bool translate =
        hooks.languageNotice && !IsApplicationClosing() && hooks.languageNotice->Ask(accountType);
    if (!translate) return kResultCancelled;
    // The user may have chosen another pair meanwhile.
    job.Job().FillLanguages(*state_);
  }
  state_->ClearNotice();
  return 0;
}

void CWindowsTranslator::AfterTranslation(WindowsTranslationInstance& job, const LanguagePair& sent,
                                          const std::optional<PriceRecord>& price) {
  const TranslationJob& request = job.Job();
  if (request.trflags & kTrAutoDirection)
    state_->AdoptServicePick(sent, request.srclan, request.tgtlan);
  const int accountType = state_->GetAccountType();
  const int quota = state_->GetQuotaLeft();
  const int lowered = QuotaAfterTranslation(accountType, quota, price.value_or(PriceRecord{}),
                                            state_->IsPriceExempt());
  if (lowered != quota) state_->SetAccount(accountType, lowered);
}

}  // namespace vorla
