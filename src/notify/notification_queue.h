// The notification queue: requests for pop-up notifications waiting to be
// shown, one at a time, by the main window's 500 ms timer.
//
// The queue is keyed and ordered. A request is stored under its title, or
// under its description when it asks not to be merged; a newer request with
// the same key replaces the queued one and goes to the end. Keys compare
// exactly, with their case. A request whose title matches the popup being
// shown refreshes that popup instead of waiting (unless it asks not to be
// merged).
//
// Plain data with no window of its own, so it can be driven without a display.
// Nothing here throws; texts are 8-bit ANSI.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>

#include "platform/win.h"

namespace notify {

class cNotificationRequest {
 public:
  std::string Key;          // reported to the click handler
  HICON Icon = nullptr;     // nullptr keeps the popup's own picture
  std::string Title;        // first line, bold
  std::string Description;  // second line; the popup's width follows it
  bool EnableClickEvent = false;
  std::string SoundFileLocation;  // "" plays nothing
};

// The popup being shown, as the queue needs to see it.
class ShownNotification {
 public:
  virtual ~ShownNotification() = default;
  virtual const cNotificationRequest& NotificationRequest() const = 0;
  // New texts for the popup on screen; it stays its full time again, without
  // moving and without a second sound.
  virtual void UpdateNotification(const cNotificationRequest& request) = 0;
};

class NotificationQueue {
 public:
  // Removes a request stored under `queueKey`, then appends `request` under it.
  void Add(const std::string& queueKey, cNotificationRequest request);
  // Does nothing when no request is stored under `queueKey`.
  void Remove(const std::string& queueKey);
  // The oldest request, taken out of the queue; nullopt when it is empty.
  std::optional<cNotificationRequest> TakeFirst();

  bool empty() const { return entries_.empty(); }
  size_t size() const { return entries_.size(); }
  // In queue order, for tests and for the popup timer.
  const std::deque<std::pair<std::string, cNotificationRequest>>& entries() const {
    return entries_;
  }

 private:
  std::deque<std::pair<std::string, cNotificationRequest>> entries_;
};

}  // namespace notify

// The operations the rest of the program calls.
namespace mNotificationSystem {

// Builds a request and either hands it to the popup on screen (`shown`, may be
// nullptr) or queues it. Returns at once.
void RequestNotification(notify::NotificationQueue& queue, notify::ShownNotification* shown,
                         const std::string& key, const std::string& title,
                         const std::string& description, bool noMerge, bool clickEnabled,
                         HICON icon, const std::string& soundFile);

void RemoveQueuedNotification(notify::NotificationQueue& queue, const std::string& queueKey);

}  // namespace mNotificationSystem
