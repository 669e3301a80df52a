#include "notify/notification_queue.h"

#include <algorithm>

namespace notify {

void NotificationQueue::Add(const std::string& queueKey, cNotificationRequest request) {
  Remove(queueKey);
  entries_.emplace_back(queueKey, std::move(request));
}

void NotificationQueue::Remove(const std::string& queueKey) {
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const auto& entry) { return entry.first == queueKey; });
  if (found != entries_.end()) entries_.erase(found);
}

std::optional<cNotificationRequest> NotificationQueue::TakeFirst() {
  if (entries_.empty()) return std::nullopt;
  cNotificationRequest first = std::move(entries_.front().second);
  entries_.pop_front();
  return first;
}

}  // namespace notify

namespace mNotificationSystem {

void RequestNotification(notify::NotificationQueue& queue, notify::ShownNotification* shown,
                         const std::string& key, const std::string& title,
                         const std::string& description, bool noMerge, bool clickEnabled,
                         HICON icon, const std::string& soundFile) {
  notify::cNotificationRequest request;
  request.Key = key;
  request.Icon = icon;
  request.Title = title;
  request.Description = description;
  request.EnableClickEvent = clickEnabled;
  request.SoundFileLocation = soundFile;

  if (shown && !noMerge && shown->NotificationRequest().Title == title) {
    shown->UpdateNotification(request);
    return;
  }
  const std::string queueKey = noMerge ? description : title;
  RemoveQueuedNotification(queue, queueKey);
  queue.Add(queueKey, std::move(request));
}

void RemoveQueuedNotification(notify::NotificationQueue& queue, const std::string& queueKey) {
  queue.Remove(queueKey);
}

}  // namespace mNotificationSystem
