#include "translation/TranslatorState.h"

#include <chrono>

#include "service/LoginResults.h"

namespace vorla {

namespace {

constexpr std::string_view kSourceValue = "LanInf1";
constexpr std::string_view kTargetValue = "LanInf2";
constexpr std::string_view kAutoDirectionValue = "LanInf3";
constexpr std::string_view kAvailablePairsValue = "LanInf4";
constexpr std::string_view kUserNameValue = "UsrInf1";
constexpr std::string_view kDigestValue = "UsrInf2";
constexpr std::string_view kRememberValue = "UsrInf5";
constexpr std::string_view kPasswordLengthValue = "UsrInf6";
constexpr std::string_view kAccountTypeValue = "AccInf1";
constexpr std::string_view kQuotaValue = "AccInf2";
constexpr std::string_view kLoginCountValue = "LgnCnt";

std::int64_t NowSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// A stored pair with a code this client does not know is replaced by English to Finnish.
LanguagePair StoredPair(const Settings& settings) {
  LanguagePair pair;
  pair.automatic = settings.ReadBoolean(kAutoDirectionValue, true);
  const int source = settings.ReadInteger(kSourceValue, kLanguageEnglish);
  const int target = settings.ReadInteger(kTargetValue, kLanguageFinnish);
  if (IsKnownLanguageCode(source) && IsKnownLanguageCode(target)) {
    pair.source = source;
    pair.target = target;
  }
  return pair;
}

bool IsFurtherOtherThanEnglishOrFinnish(int code) {
  return FamilyOf(code) != LanguageFamily::Local && !IsEnglish(code) && !IsFinnish(code);
}

}  // namespace

bool IsPasswordDigest(std::string_view text) {
  constexpr std::size_t kDigestLength = 32;
  if (text.size() != kDigestLength) return false;
  for (const char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

TranslatorState::TranslatorState(RefPtr<Config> config, int sessionNumber)
    : config_(std::move(config)), sessionNumber_(sessionNumber) {
  const Settings& settings = config_->settings();
  pair_ = StoredPair(settings);
  availablePairs_ = settings.ReadInteger(kAvailablePairsValue, kPairsBothDirections);
  noticePending_ = IsFurtherOtherThanEnglishOrFinnish(pair_.source) ||
                   IsFurtherOtherThanEnglishOrFinnish(pair_.target);

  userName_ = settings.ReadString(kUserNameValue).value_or("");
  const std::string digest = settings.ReadString(kDigestValue).value_or("");
  if (IsPasswordDigest(digest)) digest_ = digest;
  remember_ = settings.ReadBoolean(kRememberValue, true);
  passwordLength_ = settings.ReadInteger(kPasswordLengthValue, 0);
  accountType_ = settings.ReadInteger(kAccountTypeValue, 0);
  quotaLeft_ = settings.ReadInteger(kQuotaValue, 0);
  loginCount_ = settings.ReadInteger(kLoginCountValue, 0);
}

TranslatorState::~TranslatorState() = default;

// ---- Language pair

int TranslatorState::GetSourceLanguage() const {
  std::lock_guard lock(mutex_);
  return pair_.source;
}

int TranslatorState::GetTargetLanguage() const {
  std::lock_guard lock(mutex_);
  return pair_.target;
}

bool TranslatorState::GetAutoDirection() const {
  std::lock_guard lock(mutex_);
  return pair_.automatic;
}

bool TranslatorState::IsPairAvailable(int source, int target) const {
  std::lock_guard lock(mutex_);
  return PairBitsAllow(availablePairs_, source, target);
}

LanguagePair TranslatorState::GetPair() const {
  std::lock_guard lock(mutex_);
  return pair_;
}

int TranslatorState::GetAvailablePairs() const {
  std::lock_guard lock(mutex_);
  return availablePairs_;
}

bool TranslatorState::SetSourceLanguage(int code) {
  if (!IsKnownLanguageCode(code)) return false;
  std::lock_guard lock(mutex_);
  pair_.source = code;
  config_->settings().WriteInteger(kSourceValue, code);
  return true;
}

bool TranslatorState::SetTargetLanguage(int code) {
  if (!IsKnownLanguageCode(code)) return false;
  std::lock_guard lock(mutex_);
  pair_.target = code;
  config_->settings().WriteInteger(kTargetValue, code);
  return true;
}

void TranslatorState::SetAutoDirection(bool automatic) {
  std::lock_guard lock(mutex_);
  pair_.automatic = automatic;
  config_->settings().WriteBoolean(kAutoDirectionValue, automatic);
}

void TranslatorState::SetAvailablePairs(int bits) {
  std::lock_guard lock(mutex_);
  availablePairs_ = bits;
  config_->settings().WriteInteger(kAvailablePairsValue, bits);
}

void TranslatorState::WritePair(const LanguagePair& pair) {
  pair_ = pair;
  Settings& settings = config_->settings();
  settings.WriteInteger(kSourceValue, pair.source);
  settings.WriteInteger(kTargetValue, pair.target);
  settings.WriteBoolean(kAutoDirectionValue, pair.automatic);
}

bool TranslatorState::ChoosePair(const LanguagePair& pair) {
  if (!IsKnownLanguageCode(pair.source) || !IsKnownLanguageCode(pair.target)) return false;
  std::lock_guard lock(mutex_);
  WritePair(pair);
  noticePending_ = false;
  return true;
}

void TranslatorState::AdoptServicePick(const LanguagePair& sent, int source, int target) {
  if (!IsKnownLanguageCode(source) || !IsKnownLanguageCode(target)) return;
  std::lock_guard lock(mutex_);
  if (pair_ != sent) return;
  WritePair({source, target, pair_.automatic});
}

bool TranslatorState::IsFurtherPair() const {
  std::lock_guard lock(mutex_);
  return vorla::IsFurtherPair(pair_, accountType_, availablePairs_);
}

void TranslatorState::NormalisePair() {
  std::lock_guard lock(mutex_);
  const LanguagePair normalised = vorla::NormalisePair(pair_, accountType_, availablePairs_);
  if (normalised != pair_) WritePair(normalised);
}

bool TranslatorState::IsNoticePending() const {
  std::lock_guard lock(mutex_);
  return noticePending_;
}

void TranslatorState::ClearNotice() {
  std::lock_guard lock(mutex_);
  noticePending_ = false;
}

// ---- Login

std::string TranslatorState::GetUserName() const {
  std::lock_guard lock(mutex_);
  return userName_;
}

void TranslatorState::SetUserName(std::string_view userName) {
  std::lock_guard lock(mutex_);
  userName_ = userName;
  if (remember_) config_->settings().WriteString(kUserNameValue, userName);
}

std::string TranslatorState::GetTypedPassword() const {
  std::lock_guard lock(mutex_);
  return typedPassword_;
}

void TranslatorState::SetTypedPassword(std::string_view password) {
  std::lock_guard lock(mutex_);
  typedPassword_ = password;
}

std::optional<std::string> TranslatorState::GetStoredDigest() const {
  std::lock_guard lock(mutex_);
  if (!IsPasswordDigest(digest_)) return std::nullopt;
  return digest_;
}

int TranslatorState::GetPasswordLength() const {
  std::lock_guard lock(mutex_);
  return passwordLength_;
}

bool TranslatorState::GetRemember() const {
  std::lock_guard lock(mutex_);
  return remember_;
}

void TranslatorState::SetRemember(bool remember) {
  std::lock_guard lock(mutex_);
  remember_ = remember;
  Settings& settings = config_->settings();
  settings.WriteBoolean(kRememberValue, remember);
  if (!remember) {
    settings.WriteString(kUserNameValue, "");
    settings.WriteString(kDigestValue, "");
  }
}

void TranslatorState::SetPasswordDigest(std::string_view digest, std::optional<int> typedLength) {
  std::lock_guard lock(mutex_);
  digest_ = digest;
  if (typedLength) passwordLength_ = *typedLength;
  if (!remember_) return;
  Settings& settings = config_->settings();
  settings.WriteString(kDigestValue, digest);
  if (typedLength) settings.WriteInteger(kPasswordLengthValue, *typedLength);
}

bool TranslatorState::IsLoggedIn() const {
  std::lock_guard lock(mutex_);
  return loggedIn_;
}

bool TranslatorState::HasValidLogin() const {
  std::lock_guard lock(mutex_);
  if (!loggedIn_ || loginValidity_ == 0) return false;
  return loginValidity_ < 0 || NowSeconds() - loginTime_ <= loginValidity_;
}

void TranslatorState::SetLoggedIn(bool loggedIn) {
  std::lock_guard lock(mutex_);
  loggedIn_ = loggedIn;
}

void TranslatorState::StampLoginTime() {
  std::lock_guard lock(mutex_);
  loginTime_ = NowSeconds();
}

void TranslatorState::SetLoginValidity(int seconds) {
  std::lock_guard lock(mutex_);
  loginValidity_ = seconds;
}

int TranslatorState::GetLoginCount() const {
  std::lock_guard lock(mutex_);
  return loginCount_;
}

void TranslatorState::CountLogin() {
  std::lock_guard lock(mutex_);
  ++loginCount_;
  config_->settings().WriteInteger(kLoginCountValue, loginCount_);
}

void TranslatorState::Logout() {
  {
    std::lock_guard lock(mutex_);
    ForgetLogin();
  }
  if (IAuthenticationObserver* observer = Observer()) {
    observer->OnStateChanged(GetUserName(), kLoginNoUser);
  }
}

void TranslatorState::ForgetLogin() {
  loggedIn_ = false;
  accountType_ = 0;
  quotaLeft_ = 0;
  digest_.clear();
  Settings& settings = config_->settings();
  settings.WriteInteger(kAccountTypeValue, 0);
  settings.WriteInteger(kQuotaValue, 0);
  if (remember_) {
    passwordLength_ = 0;
    settings.WriteString(kDigestValue, "");
    settings.WriteInteger(kPasswordLengthValue, 0);
  }
}

// ---- Account

std::int32_t TranslatorState::UserId() const {
  std::lock_guard lock(mutex_);
  return userId_;
}

int TranslatorState::GetAccountType() const {
  std::lock_guard lock(mutex_);
  return accountType_;
}

int TranslatorState::GetQuotaLeft() const {
  std::lock_guard lock(mutex_);
  return quotaLeft_;
}

void TranslatorState::SetAccount(int accountType, int quotaLeft) {
  std::lock_guard lock(mutex_);
  accountType_ = accountType;
  quotaLeft_ = quotaLeft;
  Settings& settings = config_->settings();
  settings.WriteInteger(kAccountTypeValue, accountType);
  settings.WriteInteger(kQuotaValue, quotaLeft);
}

bool TranslatorState::IsPriceExempt() const {
  std::lock_guard lock(mutex_);
  return accountValues_[0] > 0;
}

void TranslatorState::SetLoginValues(std::int32_t userId,
                                     const std::array<std::int32_t, 2>& accountValues) {
  std::lock_guard lock(mutex_);
  userId_ = userId;
  accountValues_ = accountValues;
}

bool TranslatorState::GetAskConfirmation() const {
  std::lock_guard lock(mutex_);
  return askConfirmation_;
}

void TranslatorState::SetAskConfirmation(bool ask) {
  std::lock_guard lock(mutex_);
  askConfirmation_ = ask;
}

bool TranslatorState::GetStatusBarReporting() const {
  std::lock_guard lock(mutex_);
  return statusBarReporting_;
}

void TranslatorState::SetStatusBarReporting(bool report) {
  std::lock_guard lock(mutex_);
  statusBarReporting_ = report;
}

}  // namespace vorla
