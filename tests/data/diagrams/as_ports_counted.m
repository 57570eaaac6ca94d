% ports counted from the parameters: a product of two, a mux of three, a demux of two, a Sum whose '|' is no port;
% a spare Sum, a template's block for the other orientation, has no line at all
sys = 'm'; new_system(sys)
add_block('built-in/Constant',[sys '/c'])
add_block('built-in/Product',[sys '/p'],'Inputs','*/')
add_block('built-in/Mux',[sys '/mx'],'Inputs','3')
add_block('built-in/Demux',[sys '/dm'],'Outputs','2')
add_block('built-in/Sum',[sys '/s'],'Inputs','|+-')
add_block('built-in/Terminator',[sys '/t'])
add_line(sys,'c/1','p/1'); add_line(sys,'c/1','p/2')
add_line(sys,'p/1','mx/1'); add_line(sys,'c/1','mx/2'); add_line(sys,'c/1','mx/3')
add_line(sys,'mx/1','dm/1'); add_line(sys,'dm/1','s/1'); add_line(sys,'dm/2','s/2')
add_line(sys,'s/1','t/1')
add_block('built-in/Sum',[sys '/spare'],'Inputs','++-')
