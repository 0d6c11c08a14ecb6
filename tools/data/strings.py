# -*- coding: utf-8 -*-
"""Texts of the shipped languages.

STRINGS[n] = (English, simplified Chinese, traditional Chinese) for scene
string n = 1 .. 114.  The names of the lighting effects (13 to 24) say what
the effect does on the keyboard (and in the on-screen preview); 86 is the
name of the backlighting page in the function menu, 87 its title, 88 to 91
its four modes and 92 the label of its colour choice.
"""

LANGUAGES = [
    # file code, font family, column in STRINGS / MESSAGES
    ("031000", "Liberation Sans", 0),      # ENGLISH
    ("025044", "WenQuanYi Micro Hei", 1),  # CHINESE (Simp)
    ("025208", "WenQuanYi Micro Hei", 2),  # CHINESE (Trad)
]

STRINGS = {
    1: ("OPTIONS", "选项", "選項"),
    2: ("LOOP", "循环", "循環"),
    3: ("SPEED", "速度", "速度"),
    4: ("BRIGHTNESS", "亮度", "亮度"),
    5: ("DIRECTION", "方向", "方向"),
    6: ("PAINTING", "自定义灯光", "自訂燈光"),
    7: ("EFFECTS", "内置灯效", "內建燈效"),
    8: ("USER DEFINE 1", "自定义 1", "自訂 1"),
    9: ("USER DEFINE 2", "自定义 2", "自訂 2"),
    10: ("USER DEFINE 3", "自定义 3", "自訂 3"),
    11: ("USER DEFINE 4", "自定义 4", "自訂 4"),
    12: ("USER DEFINE 5", "自定义 5", "自訂 5"),
    13: ("STATIC", "常亮", "恆亮"),
    14: ("BREATHING", "呼吸", "呼吸"),
    15: ("SERPENTINE", "蛇形跑马", "蛇形跑馬"),
    16: ("REACTIVE", "按键触发", "按鍵觸發"),
    17: ("COLOR FLOW", "彩色流动", "彩色流動"),
    18: ("LASER", "激光", "雷射"),
    19: ("RAINBOW WAVE", "彩虹波浪", "彩虹波浪"),
    20: ("NEON", "霓虹", "霓虹"),
    21: ("RAINDROPS", "雨滴", "雨滴"),
    22: ("RIPPLE", "涟漪", "漣漪"),
    23: ("RAINBOW MIRROR", "镜像彩虹", "鏡像彩虹"),
    24: ("SPOTLIGHT", "聚光灯", "聚光燈"),
    25: ("ROTATION", "旋转", "旋轉"),
    26: ("SKIN", "皮肤", "外觀"),
    27: ("SOUND", "声音", "音效"),
    28: ("ANIMATION", "动画", "動畫"),
    29: ("LANGUAGE", "语言", "語言"),
    30: ("BACKGROUND", "背景", "背景"),
    31: ("ON", "开", "開"),
    32: ("OFF", "关", "關"),
    33: ("TEXT", "文字", "文字"),
    34: ("SIZE", "大小", "大小"),
    35: ("COLOR", "颜色", "顏色"),
    36: ("BRIGHTNESS", "亮度", "亮度"),
    37: ("NORMAL", "标准", "標準"),
    38: ("LARGER", "较大", "較大"),
    39: ("SKIN 1", "皮肤 1", "外觀 1"),
    40: ("SKIN 2", "皮肤 2", "外觀 2"),
    41: ("SKIN 3", "皮肤 3", "外觀 3"),
    42: ("SKIN 4", "皮肤 4", "外觀 4"),
    43: ("SKIN 5", "皮肤 5", "外觀 5"),
    44: ("MACRO", "宏", "巨集"),
    45: ("ACTION", "动作", "動作"),
    46: ("KEYBOARD", "键盘", "鍵盤"),
    47: ("MOUSE", "鼠标", "滑鼠"),
    48: ("MEDIA", "多媒体", "多媒體"),
    49: ("COMBO KEY", "组合键", "組合鍵"),
    50: ("MACRO", "宏", "巨集"),
    51: ("LEFT", "左键", "左鍵"),
    52: ("RIGHT", "右键", "右鍵"),
    53: ("MIDDLE", "中键", "中鍵"),
    54: ("B4", "侧键 4", "側鍵 4"),
    55: ("B5", "侧键 5", "側鍵 5"),
    56: ("NEXT TRACK", "下一曲", "下一首"),
    57: ("PREVIOUS TRACK", "上一曲", "上一首"),
    58: ("STOP", "停止", "停止"),
    59: ("PLAY / PAUSE", "播放 / 暂停", "播放 / 暫停"),
    60: ("MUTE", "静音", "靜音"),
    61: ("VOLUME UP", "音量增大", "音量增加"),
    62: ("VOLUME DOWN", "音量减小", "音量減少"),
    63: ("MEDIA SELECT", "媒体播放器", "媒體播放器"),
    64: ("MAIL", "邮件", "郵件"),
    65: ("CALCULATOR", "计算器", "計算機"),
    66: ("MY COMPUTER", "我的电脑", "我的電腦"),
    67: ("WWW SEARCH", "网页搜索", "網頁搜尋"),
    68: ("WWW HOME", "浏览器主页", "瀏覽器首頁"),
    69: ("WWW BACK", "网页后退", "網頁上一頁"),
    70: ("WWW FORWARD", "网页前进", "網頁下一頁"),
    71: ("WWW STOP", "网页停止", "網頁停止"),
    72: ("WWW REFRESH", "网页刷新", "網頁重新整理"),
    73: ("WWW FAVORITES", "收藏夹", "我的最愛"),
    74: ("KEY", "按键", "按鍵"),
    75: ("MACRO", "宏", "巨集"),
    76: ("COLOR", "灯光", "燈光"),
    77: ("RESET", "重置", "重設"),
    78: ("CANCEL", "取消", "取消"),
    79: ("GAMING MODE", "游戏模式", "遊戲模式"),
    80: ("DELETE", "删除", "刪除"),
    81: ("CUT", "剪切", "剪下"),
    82: ("PASTE", "粘贴", "貼上"),
    83: ("COPY", "复制", "複製"),
    84: ("LOAD", "导入", "匯入"),
    85: ("SAVE", "导出", "匯出"),
    86: ("BACKLIGHTING", "背光", "背光"),
    87: ("BACKLIGHT MODE", "背光模式", "背光模式"),
    88: ("STATIC", "常亮", "恆亮"),
    89: ("BREATHING", "呼吸", "呼吸"),
    90: ("FLOWING", "流光", "流光"),
    91: ("SPECTRUM CYCLE", "七彩循环", "七彩循環"),
    92: ("COLOR", "颜色", "顏色"),
    93: ("FIRE KEY", "连发键", "連發鍵"),
    94: ("TRIPLE CLICK", "三连击", "三連擊"),
    95: ("DPI SWITCH", "DPI 切换", "DPI 切換"),
    96: ("NORMAL PLAY", "单次执行", "單次執行"),
    97: ("TIMES", "次数", "次數"),
    98: ("ALWAYS REPEAT", "无限循环", "無限循環"),
    99: ("REPEAT WHILE PRESSED", "按住时重复", "按住時重複"),
    100: ("POLLING RATE", "回报率", "回報率"),
    101: ("CURSOR SPEED", "指针速度", "指標速度"),
    102: ("VERTICAL SCROLL SPEED", "垂直滚动速度", "垂直捲動速度"),
    103: ("DOUBLE CLICK SPEED", "双击速度", "按兩下速度"),
    104: ("DPI LEVEL", "DPI 档位", "DPI 段位"),
    105: ("DPI INDICATOR LED", "DPI 指示灯", "DPI 指示燈"),
    106: ("DEFAULT", "默认", "預設"),
    107: ("APPLY", "应用", "套用"),
    108: ("SCROLL SWAP", "滚轮反向", "滾輪反向"),
    109: ("SCROLL UP", "滚轮向上", "滾輪向上"),
    110: ("SCROLL DOWN", "滚轮向下", "滾輪向下"),
    111: ("LED CONTROL", "灯光控制", "燈光控制"),
    112: ("RENAME", "重命名", "重新命名"),
    113: ("RESET ALL", "全部重置", "全部重設"),
    114: ("SAVE ALL", "全部保存", "全部儲存"),
}

# msg/0 .. msg/3: the macro-too-long warning (title, text) and the
# unreadable-picture warning (title, text shown in front of the path).
MESSAGES = [
    ("Macro too long", "宏过长", "巨集過長"),
    ("This macro does not fit into the keyboard's macro memory. A macro holds "
     "at most 62 steps: 31 key presses with their releases, fewer when it has "
     "delays. Please shorten it.",
     "此宏超出键盘的宏存储空间。一个宏最多 62 步：31 次按键按下与松开，"
     "含延时则更少。请缩短此宏。",
     "此巨集超出鍵盤的巨集儲存空間。一個巨集最多 62 步：31 次按鍵按下與放開，"
     "含延遲則更少。請縮短此巨集。"),
    ("Picture not readable", "无法读取图片", "無法讀取圖片"),
    ("The picture file cannot be opened: ", "无法打开图片文件：",
     "無法開啟圖片檔案："),
]

N_STRINGS = 114
