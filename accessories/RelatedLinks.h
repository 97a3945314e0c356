#pragma once
// The handlers of the "関連リンク(&L)" menu: each hands its page's address
// (LinkAddresses) to the desktop's opener.

namespace RelatedLinks {

void N10Click(); // 作者のページ(&S), Ctrl+F1
void SP1Click(); // ぼるぞメーカーSP(&M), Ctrl+F2
void N12Click(); // ぼるぞ開発者のページ(…)(&H), Ctrl+F3
void N14Click(); // ぼるぞのダウンロードページ, Ctrl+F4

} // namespace RelatedLinks
