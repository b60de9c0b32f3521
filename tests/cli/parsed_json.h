#pragma once
// A report read back as JSON; a document that does not parse fails the test.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <string>

namespace cli_test {

inline QJsonObject parsedJson(const std::string& text) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << "\n" << text;
  return document.object();
}

}  // namespace cli_test
