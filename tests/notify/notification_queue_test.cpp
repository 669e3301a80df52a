#include "notify/notification_queue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using mNotificationSystem::RemoveQueuedNotification;
using mNotificationSystem::RequestNotification;
using notify::cNotificationRequest;
using notify::NotificationQueue;

// A popup on screen that records the updates it receives.
class FakePopup : public notify::ShownNotification {
 public:
  explicit FakePopup(const std::string& title) { shown_.Title = title; }
  const cNotificationRequest& NotificationRequest() const override { return shown_; }
  void UpdateNotification(const cNotificationRequest& request) override {
    shown_ = request;
    updates.push_back(request);
  }
  std::vector<cNotificationRequest> updates;

 private:
  cNotificationRequest shown_;
};

void Request(NotificationQueue& queue, notify::ShownNotification* shown, const std::string& key,
             const std::string& title, const std::string& description, bool noMerge) {
  RequestNotification(queue, shown, key, title, description, noMerge, true, nullptr, "");
}

std::vector<std::string> QueueKeys(const NotificationQueue& queue) {
  std::vector<std::string> keys;
  for (const auto& entry : queue.entries()) keys.push_back(entry.first);
  return keys;
}

TEST(NotificationQueue, RequestKeepsEveryPropertyOfTheCall) {
  NotificationQueue queue;
  const HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_INFORMATION));
  RequestNotification(queue, nullptr, "www", "Murvane", "Murvane Clean is done!", true, true, icon,
                      "C:\\p\\Sounds\\Message.wav");
  const std::optional<cNotificationRequest> first = queue.TakeFirst();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->Key, "www");
  EXPECT_EQ(first->Title, "Murvane");
  EXPECT_EQ(first->Description, "Murvane Clean is done!");
  EXPECT_TRUE(first->EnableClickEvent);
  EXPECT_EQ(first->Icon, icon);
  EXPECT_EQ(first->SoundFileLocation, "C:\\p\\Sounds\\Message.wav");
  EXPECT_TRUE(queue.empty());
  EXPECT_FALSE(queue.TakeFirst());
}

TEST(NotificationQueue, KeyIsTheTitleOrWithNoMergeTheDescription) {
  NotificationQueue queue;
  Request(queue, nullptr, "a", "Title A", "first", false);
  Request(queue, nullptr, "b", "Title B", "second", true);
  EXPECT_EQ(QueueKeys(queue), (std::vector<std::string>{"Title A", "second"}));
}

TEST(NotificationQueue, SameQueueKeyKeepsOnlyTheLaterRequestAtTheEnd) {
  NotificationQueue queue;
  Request(queue, nullptr, "1", "Same", "older text", false);
  Request(queue, nullptr, "2", "Other", "in between", false);
  Request(queue, nullptr, "3", "Same", "newer text", false);
  ASSERT_EQ(QueueKeys(queue), (std::vector<std::string>{"Other", "Same"}));
  EXPECT_EQ(queue.entries().back().second.Description, "newer text");
  EXPECT_EQ(queue.entries().back().second.Key, "3");

  // Keys compare with their case: a title differing in case is another entry.
  Request(queue, nullptr, "4", "SAME", "upper", false);
  EXPECT_EQ(queue.size(), 3u);

  // With the no-merge flag the description is the key; equal descriptions
  // replace each other whatever their titles.
  Request(queue, nullptr, "5", "One", "Murvane Clean is done!", true);
  Request(queue, nullptr, "6", "Two", "Murvane Clean is done!", true);
  EXPECT_EQ(queue.size(), 4u);
  EXPECT_EQ(queue.entries().back().second.Title, "Two");
}

TEST(NotificationQueue, SameTitleAsTheShownPopupUpdatesItInsteadOfQueuing) {
  NotificationQueue queue;
  FakePopup popup("Murvane");
  Request(queue, &popup, "k", "Murvane", "new description", false);
  ASSERT_EQ(popup.updates.size(), 1u);
  EXPECT_EQ(popup.updates[0].Description, "new description");
  EXPECT_TRUE(queue.empty());
}

TEST(NotificationQueue, ShownPopupIsLeftAloneForNoMergeOrAnotherTitle) {
  struct Case {
    const char* name;
    const char* title;
    bool noMerge;
  };
  const Case cases[] = {
      {"no-merge with the same title", "Murvane", true},
      {"title differing in case", "murvane", false},
      {"other title", "Alerts", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NotificationQueue queue;
    FakePopup popup("Murvane");
    Request(queue, &popup, "k", c.title, "text", c.noMerge);
    EXPECT_TRUE(popup.updates.empty());
    EXPECT_EQ(queue.size(), 1u);
  }
}

TEST(NotificationQueue, RemoveTakesOnlyTheNamedRequestAndIgnoresUnknownKeys) {
  NotificationQueue queue;
  Request(queue, nullptr, "1", "A", "a", false);
  Request(queue, nullptr, "2", "B", "b", false);
  Request(queue, nullptr, "3", "C", "c", false);
  RemoveQueuedNotification(queue, "missing");
  EXPECT_EQ(queue.size(), 3u);
  RemoveQueuedNotification(queue, "B");
  EXPECT_EQ(QueueKeys(queue), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(queue.TakeFirst()->Title, "A");
  EXPECT_EQ(queue.TakeFirst()->Title, "C");
}

}  // namespace
