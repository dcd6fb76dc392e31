#include "ServiceSimulator.h"

#include <arpa/inet.h>
#include <microhttpd.h>
#include <netinet/in.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "AnswerStream.h"

namespace vorla::sim {

namespace {

constexpr std::string_view kServicePath = "/tr";
constexpr std::string_view kErrorPage =
    "<html><head><title>500 Internal Server Error</title></head>"
    "<body><h1>Internal Server Error</h1></body></html>";

// The faults that change the handler's answer in place.
void Misstate(const Faults& faults, SimAnswer& answer) {
  std::string& body = answer.body;
  if (faults.lyingLength && answer.lengthAt &&
      *answer.lengthAt + sizeof(std::int32_t) <= body.size()) {
    std::string length;
    AppendInt32(length, static_cast<std::int32_t>(*faults.lyingLength));
    body.replace(*answer.lengthAt, length.size(), length);
  }
  // A first byte that names no compression method makes every inflater give up at once.
  if (faults.corruptZlib && answer.zlibAt && *answer.zlibAt < body.size()) {
    body[*answer.zlibAt] = static_cast<char>(~body[*answer.zlibAt]);
  }
}

MHD_Result CollectHeader(void* cls, MHD_ValueKind, const char* key, const char* value) {
  static_cast<SimRequest*>(cls)->headers.emplace_back(key, value ? value : "");
  return MHD_YES;
}

}  // namespace

// Bridges libmicrohttpd's C callbacks to the simulator.
struct SimulatorCallbacks {
  struct Pending {
    SimRequest request;
  };

  static MHD_Result OnRequest(void* self, MHD_Connection* connection, const char* url,
                              const char* method, const char*, const char* uploadData,
                              std::size_t* uploadSize, void** state) {
    auto& simulator = *static_cast<ServiceSimulator*>(self);
    if (!*state) {
      auto pending = std::make_unique<Pending>();
      pending->request.method = method;
      pending->request.path = url;
      MHD_get_connection_values(connection, MHD_HEADER_KIND, &CollectHeader, &pending->request);
      *state = pending.release();
      return MHD_YES;
    }
    auto& pending = *static_cast<Pending*>(*state);
    if (*uploadSize > 0) {
      pending.request.body.append(uploadData, *uploadSize);
      *uploadSize = 0;
      return MHD_YES;
    }
    return simulator.Answer(connection, std::move(pending.request)) ? MHD_YES : MHD_NO;
  }

  static void OnCompleted(void*, MHD_Connection*, void** state, MHD_RequestTerminationCode) {
    delete static_cast<Pending*>(*state);
    *state = nullptr;
  }

  static ssize_t Produce(void* stream, std::uint64_t position, char* buffer, std::size_t max) {
    return static_cast<AnswerStream*>(stream)->Produce(position, buffer, max);
  }

  static void FreeStream(void* stream) { delete static_cast<AnswerStream*>(stream); }
};

ServiceSimulator::ServiceSimulator(const Options& options)
    : secure_(!options.tlsCertificatePem.empty()),
      certificatePem_(options.tlsCertificatePem),
      keyPem_(options.tlsKeyPem) {
  if (secure_ && MHD_is_feature_supported(MHD_FEATURE_TLS) != MHD_YES) {
    throw std::runtime_error("this libmicrohttpd has no TLS support");
  }
  context_.secure = secure_;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(options.port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);

  unsigned flags = MHD_USE_THREAD_PER_CONNECTION | MHD_USE_INTERNAL_POLLING_THREAD;
  std::vector<MHD_OptionItem> settings = {
      {MHD_OPTION_SOCK_ADDR, 0, &address},
      {MHD_OPTION_NOTIFY_COMPLETED, reinterpret_cast<intptr_t>(&SimulatorCallbacks::OnCompleted),
       this},
  };
  if (secure_) {
    flags |= MHD_USE_TLS;
    settings.push_back({MHD_OPTION_HTTPS_MEM_CERT, 0, certificatePem_.data()});
    settings.push_back({MHD_OPTION_HTTPS_MEM_KEY, 0, keyPem_.data()});
  }
  settings.push_back({MHD_OPTION_END, 0, nullptr});
  daemon_ = MHD_start_daemon(flags, options.port, nullptr, nullptr, &SimulatorCallbacks::OnRequest,
                             this, MHD_OPTION_ARRAY, settings.data(), MHD_OPTION_END);
  if (!daemon_) throw std::runtime_error("the simulator cannot listen on the port");
  const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon_, MHD_DAEMON_INFO_BIND_PORT);
  port_ = info ? info->port : options.port;
}

ServiceSimulator::~ServiceSimulator() {
  {
    std::lock_guard lock(stopMutex_);
    stopping_ = true;
  }
  stopSignal_.notify_all();
  MHD_stop_daemon(daemon_);
}

std::string ServiceSimulator::url() const {
  return std::string(secure_ ? "https" : "http") + "://127.0.0.1:" + std::to_string(port_) +
         std::string(kServicePath);
}

void ServiceSimulator::Register(const std::string& command, CommandHandler handler) {
  std::lock_guard lock(mutex_);
  handlers_[command] = std::move(handler);
}

void ServiceSimulator::SetFaults(const std::string& command, const Faults& faults) {
  std::lock_guard lock(mutex_);
  faults_[command] = faults;
}

std::vector<SimRequest> ServiceSimulator::Requests() const {
  std::lock_guard lock(mutex_);
  return log_;
}

void ServiceSimulator::ClearRequests() {
  std::lock_guard lock(mutex_);
  log_.clear();
}

bool ServiceSimulator::Pause(std::chrono::milliseconds duration) {
  std::unique_lock lock(stopMutex_);
  return !stopSignal_.wait_for(lock, duration, [this] { return stopping_; });
}

Faults ServiceSimulator::TakeFaults(const std::string& command) {
  std::lock_guard lock(mutex_);
  const auto found = faults_.find(command);
  if (found == faults_.end()) return {};
  Faults faults = found->second;
  if (found->second.times > 0 && --found->second.times == 0) faults_.erase(found);
  return faults;
}

SimAnswer ServiceSimulator::Dispatch(const SimRequest& request, const std::string& formError,
                                     Faults& faults) {
  if (request.path != kServicePath) return TextAnswer(404, "no such path: " + request.path);
  if (request.method != "POST") return TextAnswer(405, "the service takes POST only");
  if (!formError.empty()) return TextAnswer(400, "malformed form body: " + formError);
  if (request.fields.front().name != "cmd") return TextAnswer(400, "the first field is not cmd");
  const std::string& command = request.fields.front().value;
  CommandHandler handler;
  {
    std::lock_guard lock(mutex_);
    const auto found = handlers_.find(command);
    if (found != handlers_.end()) handler = found->second;
  }
  if (!handler) return TextAnswer(400, "unknown command: " + command);

  faults = TakeFaults(command);
  if (faults.expireSession) context_.sessions.ExpireAll();
  SimAnswer answer;
  if (faults.serverError) {
    answer.status = 500;
    answer.body = kErrorPage;
    answer.contentType = "text/html";
    return answer;
  }
  answer = handler(request, context_);
  Misstate(faults, answer);
  if (faults.rawAnswer) answer.body = *faults.rawAnswer;
  if (faults.noSetCookie) answer.setCookie.reset();
  return answer;
}

bool ServiceSimulator::Answer(MHD_Connection* connection, SimRequest request) {
  const DecodedForm form = DecodeForm(request.body);
  request.fields = form.fields;
  {
    std::lock_guard lock(mutex_);
    log_.push_back(request);
  }
  Faults faults;
  SimAnswer answer = Dispatch(request, form.error, faults);
  if (faults.stallBefore.count() > 0 && !Pause(faults.stallBefore)) return false;
  if (faults.dropBeforeHeaders) return false;

  MHD_Response* response = nullptr;
  if (AnswerStream::Needed(faults)) {
    auto stream = std::make_unique<AnswerStream>(*this, std::move(answer.body), faults);
    const std::size_t size = stream->size();
    response = MHD_create_response_from_callback(size, 16 * 1024, &SimulatorCallbacks::Produce,
                                                 stream.get(), &SimulatorCallbacks::FreeStream);
    if (response) stream.release();
  } else {
    response = MHD_create_response_from_buffer(answer.body.size(), answer.body.data(),
                                               MHD_RESPMEM_MUST_COPY);
  }
  if (!response) return false;
  if (!answer.contentType.empty()) {
    MHD_add_response_header(response, "Content-Type", answer.contentType.c_str());
  }
  if (answer.setCookie) MHD_add_response_header(response, "Set-Cookie", answer.setCookie->c_str());
  for (const auto& [name, value] : answer.headers) {
    MHD_add_response_header(response, name.c_str(), value.c_str());
  }
  const MHD_Result queued =
      MHD_queue_response(connection, static_cast<unsigned>(answer.status), response);
  MHD_destroy_response(response);
  return queued == MHD_YES;
}

}  // namespace vorla::sim
