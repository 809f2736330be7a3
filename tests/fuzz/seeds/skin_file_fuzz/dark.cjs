# Orvendale dark skin. Copy to x\o.cjs beside orvendale.exe to use it.
window.background = #202124

button.face    = #2D2F33
button.text    = #E8EAED
button.hot     = #3C4043
button.pressed = #5F6368
button.border  = #5F6368
button.focus   = #8AB4F8

list.background = #292A2D
list.text       = #E8EAED
list.header     = #3C4043
