#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "net/TNetIOHandler.h"
#include "net/TNetManagedBuffer.h"
#include "net/TNetSimpleBuffer.h"
#include "net/TNetStatus.h"
#include "net/TNetStream.h"

enum TNetMaxLineAction { maException, maSplit };

// A TCP connection with an input buffer and line-oriented reading. Every call
// blocks the calling thread; on the GUI thread the anti-freeze keeps the
// window responsive meanwhile, and window handlers may run inside a call.
class TNetTCPConnection {
 public:
  TNetTCPConnection() = default;
  virtual ~TNetTCPConnection();
  TNetTCPConnection(const TNetTCPConnection&) = delete;
  TNetTCPConnection& operator=(const TNetTCPConnection&) = delete;

  int ReadTimeout = 0;  // ms a default read waits; 0: no limit
  // When set, the moment by which every wait must end, however much data
  // trickles in: a connect still running then raises ENetConnectTimeout,
  // any other wait ENetReadTimeout.
  std::optional<std::chrono::steady_clock::time_point> Deadline;
  int MaxLineLength = 16384;
  TNetMaxLineAction MaxLineAction = maException;
  int RecvBufferSize = 32768;  // bytes asked for per receive
  bool ASCIIFilter = false;    // clears bit 7 of every received byte
  TNetStatusEvent OnStatus;
  std::function<void()> OnConnected;
  std::function<void()> OnDisconnected;

  // A handler set here belongs to the caller and survives disconnects; with
  // none, the connection makes its own for each connection.
  void SetIOHandler(std::shared_ptr<TNetIOHandler> handler);
  TNetIOHandler* IOHandler() const { return handler_.get(); }
  // True when the handler is the connection's own, made for the connection
  // that is open (or was open last).
  bool IOHandlerOwned() const { return handler_owned_; }

  void CloseConnection();
  // True while the socket is open; notices a peer close without raising.
  bool IsConnected();

  // One line without its terminator (an empty terminator means LF; with LF a
  // CR before it is dropped too). `timeout_ms` -1: ReadTimeout; `max_length`
  // -1: MaxLineLength, 0: no limit.
  std::string ReadLine(std::string_view terminator = "\n", int timeout_ms = -1,
                       int max_length = -1);
  bool LineSplit() const { return line_split_; }
  bool LineTimedOut() const { return line_timed_out_; }

  void ReadExact(char* buffer, std::size_t count);
  std::string ReadExact(std::size_t count);
  // Copies `count` bytes (or, with `until_close`, everything up to the
  // peer's close) into `stream` at its position. A `count` of -1 without
  // `until_close` reads the count first, as four bytes in network byte
  // order. Without `until_close`, a peer that closes first raises
  // ENetConnClosedGracefully after the bytes it did send were written.
  void ReadToStream(TNetStream& stream, std::int64_t count, bool until_close);

  void WriteText(std::string_view text);
  void WriteLine(std::string_view text);
  void SendBytes(const char* data, std::size_t count, bool send_now = false);
  // Collects writes until EndWriteBatch sends them as one block; a positive
  // threshold sends that much as soon as it is collected.
  void BeginWriteBatch(int threshold);
  void EndWriteBatch();

  // Reads whatever has already arrived, to notice a peer close; never raises
  // for a close (by the peer, or by a window handler during the wait), a
  // reset or a timeout.
  void PollPeerClosed();
  // True when the connection counts as closed; closes a socket whose peer
  // has closed. With `raise`, a closed connection raises
  // ENetConnClosedGracefully when nothing is buffered or `ignore_buffer`.
  bool CheckPeerClosed(bool raise, bool ignore_buffer);

  const TNetManagedBuffer& InputBuffer() const { return input_; }

 protected:
  // Connects the handler (making one when none is set) to `target`.
  void OpenHandler(const TNetConnectTarget& target);
  // The handler the connection makes for itself, new for every connection.
  virtual std::shared_ptr<TNetIOHandler> MakeIOHandler();
  // Called when a connection ends, locally or by the peer.
  virtual void DoDisconnected();
  void Report(TNetStatus status, const std::string& text);

 private:
  bool SocketOpen() const { return handler_ && handler_->Connected(); }
  // Receives once into the input buffer; -1 after a timeout that was not to
  // raise, 0 when the peer closed.
  int FillInputBuffer(bool raise_if_closed, int timeout_ms, bool raise_on_timeout);
  bool WaitReadable(int timeout_ms);
  // Milliseconds left until the Deadline, 0 once it has passed.
  int DeadlineLeft() const;
  bool WaitReadableOnce(int timeout_ms);
  // Lets pending window messages run; ends the call when the program closes.
  void LetMessagesRun(bool idle);
  std::string ApplyMaxLineAction(std::size_t max_length);
  std::int64_t ReadLengthPrefix();
  void CopyToStream(TNetStream& stream, std::int64_t remaining, bool until_close);
  void SendAll(const char* data, std::size_t count);
  void CloseSocketAfterPeer();

  std::shared_ptr<TNetIOHandler> handler_;
  bool handler_owned_ = false;
  TNetManagedBuffer input_;
  std::optional<TNetSimpleBuffer> batch_;
  int batch_threshold_ = -1;
  bool closed_by_peer_ = false;
  bool line_split_ = false;
  bool line_timed_out_ = false;
};
