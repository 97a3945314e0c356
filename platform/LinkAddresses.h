#pragma once
// The four related web pages. The link menu opens them, the page's tail links
// to three of them and the settings url1-url4 carry them: defined here once.

namespace LinkAddresses {

// The game's author, named in the link menu.
inline constexpr char GameAuthorName[] = "山吹コウ";

inline constexpr char ToolAuthorPage[] = "https://soyokaze.example.jp/";                // 作者のページ
inline constexpr char SiblingToolPage[] = "https://soyokaze.example.jp/vorzomaker-sp/"; // ぼるぞメーカーSP
inline constexpr char GameAuthorPage[] = "https://yamabuki.example.com/"; // ぼるぞ開発者のページ
inline constexpr char GameDownloadPage[] =
    "https://yamabuki.example.com/vorzo/download.html"; // ぼるぞのダウンロードページ

} // namespace LinkAddresses
