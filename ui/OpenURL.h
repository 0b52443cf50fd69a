// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the maker's web page with the system's default handler.
#pragma once

namespace OpenURL {

// A reserved example domain: the link never leads to a third party's site.
inline constexpr const char* WebPageAddress = "http://www.example.com/";

// Opens the web page; reports nothing, whatever happens.
void openWebPage();

} // namespace OpenURL
