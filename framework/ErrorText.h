#pragma once
// The framework's German error texts.
#include <string>

std::string InOutErrorText(int errorCode);
std::string InvalidFileNameText(const std::string& name);
std::string UnknownPictureExtensionText(const std::string& extensionWithoutDot);
std::string InvalidIntegerText(const std::string& text);
std::string CannotOpenFileText(const std::string& fileName);
std::string InvalidIconText(const std::string& fileName);
std::string InvalidMetafileText(const std::string& fileName);
std::string OutOfResourcesText();
std::string ListIndexOutOfBoundsText();

// The default error display shows a message with a final ".", added unless
// the message already ends with one.
std::string WithFinalPeriod(const std::string& message);
