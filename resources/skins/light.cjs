# Orvendale light skin. Copy to x\o.cjs beside orvendale.exe to use it.
window.background = #F3F5F8

button.face    = #FFFFFF
button.text    = #1F2933
button.hot     = #E6F0FB
button.pressed = #CFE0F5
button.border  = #9AA5B1
button.focus   = #2F80ED

list.background = #FFFFFF
list.text       = #1F2933
list.header     = #E4E9F0
