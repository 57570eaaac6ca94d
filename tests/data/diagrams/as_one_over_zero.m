% a constant 1 through a gain of 1/0: every output after it is infinite too
sys = 'm'; new_system(sys)
add_block('built-in/Constant',[sys '/c'])
add_block('built-in/Gain',[sys '/3g'],'Gain','1/0')
add_block('built-in/Gain',[sys '/h'],'Gain','2')
add_block('built-in/Scope',[sys '/sc'])
add_line(sys,'c/1','3g/1'); add_line(sys,'3g/1','h/1')
add_line(sys,'h/1','sc/1')
