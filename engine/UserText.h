#pragma once
// Marks a text of the plain tables that the user reads. Here it stays the plain English text;
// lupdate collects every marked text (as an alias of QT_TR_NOOP, context "reckora") and the Qt
// side translates it where it turns the text into a widget or a message.

#define RECKORA_USER_TEXT(text) text
