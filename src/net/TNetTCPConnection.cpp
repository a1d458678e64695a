#include "net/TNetTCPConnection.h"

#include <algorithm>
#include <climits>

#include "net/ENetTransportExceptions.h"
#include "net/TNetAntiFreeze.h"
#include "net/TNetErrorCodes.h"
#include "net/TNetIOHandlerSocket.h"
#include "net/TNetStack.h"

namespace {

constexpr int kErrorShutdown = 10058;
constexpr int kErrorConnectionAborted = 10053;
constexpr int kErrorConnectionReset = 10054;

}  // namespace

TNetTCPConnection::~TNetTCPConnection() {
  if (handler_) handler_->Close();
}

void TNetTCPConnection::SetIOHandler(std::shared_ptr<TNetIOHandler> handler) {
  handler_ = std::move(handler);
  handler_owned_ = false;
}

void TNetTCPConnection::Report(TNetStatus status, const std::string& text) {
  if (OnStatus) OnStatus(status, text);
}

void TNetTCPConnection::DoDisconnected() {
  if (OnDisconnected) OnDisconnected();
}

void TNetTCPConnection::OpenHandler(const TNetConnectTarget& target) {
  // Once the program is closing, no new connection may keep it waiting.
  if (TNetAntiFreezeBase::CallsAborted()) throw ENetOperationAborted();
  if (handler_ && handler_->Connected()) throw ENetAlreadyConnected();
  // An own handler left from a connection the peer closed may be of the
  // wrong kind for this one.
  if (!handler_ || handler_owned_) {
    handler_ = MakeIOHandler();
    handler_owned_ = true;
    handler_->OnStatus = [this](TNetStatus status, const std::string& text) {
      Report(status, text);
    };
  }
  // A window handler running inside the connect may drop the handler; this
  // reference keeps it alive until the connect returns.
  const std::shared_ptr<TNetIOHandler> handler = handler_;
  handler->Open();
  input_.Clear();
  closed_by_peer_ = false;
  TNetConnectTarget bounded = target;
  if (Deadline) {
    const int left = DeadlineLeft();
    if (left == 0) throw ENetConnectTimeout();
    if (bounded.Timeout <= 0 || bounded.Timeout > left) bounded.Timeout = left;
  }
  try {
    handler->ConnectClient(bounded);
  } catch (...) {
    handler->Close();
    throw;
  }
  Report(hsConnected, "Connected.");
  if (OnConnected) OnConnected();
}

std::shared_ptr<TNetIOHandler> TNetTCPConnection::MakeIOHandler() {
  return std::make_shared<TNetIOHandlerSocket>();
}

void TNetTCPConnection::CloseConnection() {
  Report(hsDisconnecting, "Disconnecting.");
  if (handler_) {
    closed_by_peer_ = true;
    handler_->Close();
    if (handler_owned_) {
      handler_.reset();
      handler_owned_ = false;
    }
    DoDisconnected();
  }
  Report(hsDisconnected, "Disconnected.");
}

bool TNetTCPConnection::IsConnected() {
  CheckPeerClosed(false, false);
  return SocketOpen();
}

void TNetTCPConnection::CloseSocketAfterPeer() {
  handler_->Close();
  Report(hsDisconnected, "Disconnected.");
  DoDisconnected();
}

bool TNetTCPConnection::CheckPeerClosed(bool raise, bool ignore_buffer) {
  bool closed = false;
  if (closed_by_peer_ || !handler_) {
    if (SocketOpen()) CloseSocketAfterPeer();
    closed = handler_ != nullptr;
  } else {
    closed = !handler_->Connected();
  }
  if (closed && raise && (input_.Empty() || ignore_buffer))
    throw ENetConnClosedGracefully();
  return closed;
}

void TNetTCPConnection::LetMessagesRun(bool idle) {
  TNetAntiFreezeBase::DoProcess(idle);
  if (TNetAntiFreezeBase::CallsAborted()) {
    if (handler_) handler_->Close();
    throw ENetOperationAborted();
  }
}

bool TNetTCPConnection::WaitReadableOnce(int timeout_ms) {
  if (!SocketOpen()) throw ENetConnClosedGracefully();
  const bool readable = handler_->Readable(timeout_ms);
  LetMessagesRun(!readable);
  return readable;
}

int TNetTCPConnection::DeadlineLeft() const {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(*Deadline - std::chrono::steady_clock::now());
  return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(left.count(), 0, INT_MAX));
}

bool TNetTCPConnection::WaitReadable(int timeout_ms) {
  if (!SocketOpen()) throw ENetConnClosedGracefully();
  if (Deadline) {
    const int left = DeadlineLeft();
    if (left == 0) throw ENetReadTimeout();
    if (timeout_ms == TNetStack::kWaitForever || timeout_ms > left) timeout_ms = left;
  }
  const TNetAntiFreezeBase* anti_freeze = TNetAntiFreezeBase::InUse();
  if (!anti_freeze) {
    // Nothing to do between slices: the receive itself may block.
    if (timeout_ms == TNetStack::kWaitForever) return true;
    return WaitReadableOnce(timeout_ms);
  }
  const int slice = std::max(anti_freeze->IdleTimeOut, 1);
  if (timeout_ms == TNetStack::kWaitForever) {
    while (!WaitReadableOnce(slice)) {
    }
    return true;
  }
  while (timeout_ms > slice) {
    if (WaitReadableOnce(slice)) return true;
    timeout_ms -= slice;
    // Window handlers run between slices may take any time (a message box
    // left open); the deadline is the clock's.
    if (Deadline) timeout_ms = std::min(timeout_ms, DeadlineLeft());
  }
  return WaitReadableOnce(timeout_ms);
}

int TNetTCPConnection::FillInputBuffer(bool raise_if_closed, int timeout_ms,
                                       bool raise_on_timeout) {
  if (timeout_ms == -1)
    timeout_ms = ReadTimeout == 0 ? TNetStack::kWaitForever : ReadTimeout;
  CheckPeerClosed(raise_if_closed, false);
  if (!SocketOpen()) {
    if (raise_if_closed) throw ENetNotConnected();
    return 0;
  }
  std::ptrdiff_t result = 0;
  do {
    if (!WaitReadable(timeout_ms)) {
      // A wait cut short by the deadline always ends the call: read as an
      // ordinary timeout it would pass for an empty line.
      if (raise_on_timeout || (Deadline && DeadlineLeft() == 0)) throw ENetReadTimeout();
      return -1;
    }
    if (!SocketOpen()) throw ENetConnClosedGracefully();
    const auto wanted = static_cast<std::size_t>(std::max(RecvBufferSize, 1));
    char* tail = input_.PrepareTail(wanted);
    result = handler_->Recv(tail, wanted);
    if (result == 0) {
      closed_by_peer_ = true;
    } else if (result < 0) {
      const int code = handler_->LastError();
      if (code != kErrorShutdown && code != kErrorConnectionAborted)
        RaiseNetSocketError(code);
      handler_->Close();
      if (input_.Empty()) RaiseNetSocketError(code);
      result = 0;
    } else {
      if (ASCIIFilter)
        for (std::ptrdiff_t i = 0; i < result; ++i) tail[i] &= 0x7F;
      input_.Commit(static_cast<std::size_t>(result));
    }
    CheckPeerClosed(raise_if_closed, false);
  } while (result == 0 && SocketOpen());
  return static_cast<int>(std::min<std::ptrdiff_t>(result, INT_MAX));
}

std::string TNetTCPConnection::ApplyMaxLineAction(std::size_t max_length) {
  if (MaxLineAction == maException) throw ENetReadLnMaxLineLengthExceeded();
  line_split_ = true;
  return input_.Extract(max_length);
}

std::string TNetTCPConnection::ReadLine(std::string_view terminator,
                                        int timeout_ms, int max_length) {
  if (terminator.empty()) terminator = "\n";
  if (max_length == -1) max_length = MaxLineLength;
  const auto limit = static_cast<std::size_t>(std::max(max_length, 0));
  line_split_ = false;
  line_timed_out_ = false;
  std::size_t search_from = 0;
  for (;;) {
    const std::size_t found = input_.View().find(terminator, search_from);
    if (found != std::string_view::npos) {
      if (limit != 0 && found > limit) return ApplyMaxLineAction(limit);
      std::string line = input_.Extract(found);
      input_.Remove(terminator.size());
      if (terminator == "\n" && !line.empty() && line.back() == '\r')
        line.pop_back();
      return line;
    }
    if (limit != 0 && input_.Size() > limit) return ApplyMaxLineAction(limit);
    // The next search starts where a terminator split across receives could
    // begin, so a long line is not searched again from its start.
    search_from = input_.Size() - std::min(input_.Size(), terminator.size() - 1);
    CheckPeerClosed(true, true);
    const int result = FillInputBuffer(true, timeout_ms, timeout_ms == -1);
    if (result == 0) {
      line_timed_out_ = true;
      return {};
    }
  }
}

void TNetTCPConnection::ReadExact(char* buffer, std::size_t count) {
  if (count == 0) return;
  while (input_.Size() < count) {
    FillInputBuffer(true, -1, true);
    CheckPeerClosed(true, true);
  }
  input_.ExtractTo(buffer, count);
}

std::string TNetTCPConnection::ReadExact(std::size_t count) {
  std::string bytes(count, '\0');
  ReadExact(bytes.data(), count);
  return bytes;
}

std::int64_t TNetTCPConnection::ReadLengthPrefix() {
  unsigned char bytes[4];
  ReadExact(reinterpret_cast<char*>(bytes), sizeof bytes);
  // Unsigned: a length is never negative, and reading a high first byte as
  // a sign would skip the piece and leave it to be taken for what follows.
  return (std::int64_t{bytes[0]} << 24) | (std::int64_t{bytes[1]} << 16) |
         (std::int64_t{bytes[2]} << 8) | std::int64_t{bytes[3]};
}

void TNetTCPConnection::ReadToStream(TNetStream& stream, std::int64_t count,
                                     bool until_close) {
  if (count == -1 && !until_close) count = ReadLengthPrefix();
  if (count >= 0) stream.Reserve(count);
  // Whatever happens, a stream that held more than this read wrote ends
  // where the read ended.
  const auto cut_to_position = [&stream] {
    if (stream.Size() > stream.Position()) stream.SetSize(stream.Position());
  };
  try {
    CopyToStream(stream, until_close ? INT64_MAX : count, until_close);
  } catch (...) {
    cut_to_position();
    throw;
  }
  cut_to_position();
}

void TNetTCPConnection::CopyToStream(TNetStream& stream, std::int64_t remaining,
                                     bool until_close) {
  // Bytes go to the stream straight from the input buffer as they arrive,
  // so a peer that closes early leaves every byte it did send in the stream.
  while (remaining > 0) {
    if (input_.Empty()) {
      if (!SocketOpen() && until_close) return;
      try {
        FillInputBuffer(true, -1, true);
      } catch (const ENetConnClosedGracefully&) {
        if (!until_close) throw;
        if (input_.Empty()) return;
      }
    }
    const auto piece = static_cast<std::size_t>(
        std::min<std::int64_t>(remaining, static_cast<std::int64_t>(input_.Size())));
    stream.Write(input_.View().data(), piece);
    input_.Remove(piece);
    remaining -= static_cast<std::int64_t>(piece);
  }
}

void TNetTCPConnection::WriteText(std::string_view text) {
  SendBytes(text.data(), text.size());
}

void TNetTCPConnection::WriteLine(std::string_view text) {
  std::string line;
  line.reserve(text.size() + 2);
  line.append(text).append("\r\n");
  SendBytes(line.data(), line.size());
}

void TNetTCPConnection::SendBytes(const char* data, std::size_t count,
                                  bool send_now) {
  if (count == 0) return;
  CheckPeerClosed(true, true);
  if (!SocketOpen()) throw ENetNotConnected();
  if (batch_ && !send_now) {
    batch_->Append(data, count);
    const auto threshold = static_cast<std::size_t>(std::max(batch_threshold_, 0));
    if (threshold > 0 && batch_->Size() >= threshold) {
      const std::string head(batch_->Data(), threshold);
      batch_->RemoveFront(threshold);
      SendAll(head.data(), head.size());
    }
    return;
  }
  SendAll(data, count);
}

void TNetTCPConnection::SendAll(const char* data, std::size_t count) {
  while (count > 0) {
    if (!SocketOpen()) throw ENetNotConnected();
    const std::ptrdiff_t sent = handler_->Send(data, count);
    const int code = sent < 0 ? handler_->LastError() : 0;
    LetMessagesRun(false);
    if (sent == 0) {
      closed_by_peer_ = true;
      CheckPeerClosed(true, false);
      throw ENetConnClosedGracefully();
    }
    if (sent < 0) {
      if ((code == kErrorShutdown || code == kErrorConnectionAborted ||
           code == kErrorConnectionReset) &&
          handler_)
        handler_->Close();
      RaiseNetSocketError(code);
    }
    data += sent;
    count -= static_cast<std::size_t>(sent);
  }
}

void TNetTCPConnection::BeginWriteBatch(int threshold) {
  batch_.emplace();
  batch_threshold_ = threshold;
}

void TNetTCPConnection::EndWriteBatch() {
  if (!batch_) return;
  const TNetSimpleBuffer batch(std::move(*batch_));
  batch_.reset();
  if (batch.Size() > 0) SendAll(batch.Data(), batch.Size());
}

void TNetTCPConnection::PollPeerClosed() {
  // A zero wait still notices a close that has arrived, and a request on a
  // kept-alive connection need not idle before it goes out.
  try {
    FillInputBuffer(false, 0, false);
  } catch (const ENetSocketError&) {
    // A reset is a close too: the socket is of no further use.
    if (SocketOpen()) CloseSocketAfterPeer();
  } catch (const ENetConnClosedGracefully&) {
    // A window handler run during the wait closed the connection; that is
    // what this poll is there to notice, not a failure of the request.
  }
}
